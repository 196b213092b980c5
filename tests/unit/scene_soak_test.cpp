// Ten hours of virtual fishing with a random player: Space, Enter, G held
// and released, N, X, the rig switch, leaving and coming back, and pauses.
// After every step the owned tackle and the slots must be consistent and
// the money untouched.

#include <random>

#include "scene_fixture.h"
#include "mainscreen/form1.h"

namespace {

using namespace scene_testing;
using forms::Event;

class SceneSoak : public SceneTest {
protected:
    void PlentyOfTackle() {
        GiveTackle(1200, 1500);
        auto& rods = v().save.OwnedRods;
        auto& lines = v().save.OwnedLines;
        auto& baits = v().save.OwnedBaits;
        auto& lures = v().save.OwnedLures;
        auto& groundbaits = v().save.OwnedGroundbaits;
        for (int i = 0; i < 1000; ++i) {
            rods.push_back(rods[0]);
            rods.back().Strength = 800 + 100 * (i % 20);
            lines.push_back(lines[0]);
            lines.back().Strength = 700 + 100 * (i % 30);
            lines.back().LineLength = 5 + i % 100;
            lures.push_back(lures[0]);
            lures.back().BaitKey = i % 2 ? "блесна с" : "блесна м";
            baits.push_back(baits[0]);
            baits.back().Name = i % 3 ? "червь" : "живец";
            baits.back().Amount = 1 + i % 20;
            groundbaits.push_back(groundbaits[0]);
            groundbaits.back().Power = 10 * (i % 25);
            groundbaits.back().Amount = 1 + i % 5;
        }
    }

    // What a player does when a piece of tackle is gone: picks the next one
    // in the inventory.
    void Reequip() {
        auto pick = [](klev::Long& slot, std::size_t count) {
            if (slot == 0 && count > 0) slot = 1;
        };
        pick(v().save.RodSlot, v().save.OwnedRods.size());
        pick(v().save.LineSlot, v().save.OwnedLines.size());
        pick(v().save.BaitSlot, v().save.OwnedBaits.size());
        pick(v().save.LureSlot, v().save.OwnedLures.size());
        pick(v().save.GroundbaitSlot, v().save.OwnedGroundbaits.size());
    }

    void CheckConsistent(long long money, long long step) {
        const klev::SaveData& s = v().save;
        auto slotOk = [](klev::Long slot, std::size_t count) { return slot >= 0 && slot <= klev::Long(count); };
        ASSERT_TRUE(slotOk(s.RodSlot, s.OwnedRods.size())) << "step " << step;
        ASSERT_TRUE(slotOk(s.LineSlot, s.OwnedLines.size())) << "step " << step;
        ASSERT_TRUE(slotOk(s.BaitSlot, s.OwnedBaits.size())) << "step " << step;
        ASSERT_TRUE(slotOk(s.LureSlot, s.OwnedLures.size())) << "step " << step;
        ASSERT_TRUE(slotOk(s.GroundbaitSlot, s.OwnedGroundbaits.size())) << "step " << step;
        for (const klev::TackleItem& line : s.OwnedLines) ASSERT_GT(line.LineLength, 0) << "step " << step;
        for (const klev::TackleItem& bait : s.OwnedBaits) ASSERT_GE(bait.Amount, 1) << "step " << step;
        for (const klev::TackleItem& gb : s.OwnedGroundbaits) ASSERT_GE(gb.Amount, 1) << "step " << step;
        ASSERT_EQ(s.PlayerMoney, money) << "step " << step;
        ASSERT_GE(scene().HerboLine.Width, 0.0f) << "step " << step;
        for (const klev::FishRecord& fish : s.CaughtFish) {
            ASSERT_FALSE(fish.SpeciesName.empty()) << "step " << step;
            ASSERT_GE(fish.Weight, fish.MinWeight) << "step " << step;
            ASSERT_LE(fish.Weight, fish.MaxWeight) << "step " << step;
        }
    }
};

TEST_F(SceneSoak, TenHoursOfRandomPlayKeepTheTackleConsistent) {
    PlentyOfTackle();
    OpenPlace();
    t.driver().random().seed(20240611);
    std::mt19937 player(7);
    auto roll = [&](int n) { return int(player() % unsigned(n)); };
    const long long money = v().save.PlayerMoney;
    klev::SceneForm& form = scene();
    forms::Form& map = game().window<klev::Form1>();
    auto keyPress = [&](int code) { form.dispatch(Event::KeyPress, "", {-1, 0, 0, code}); };
    const long long tenHours = 10LL * 3600 * 1000;
    long long step = 0;
    bool sawCatch = false, sawSnag = false, sawBreak = false, castLanded = false;
    const std::size_t rods = v().save.OwnedRods.size();
    while (game().timers.now() < tenHours) {
        ++step;
        ASSERT_NO_THROW({
            switch (roll(12)) {
                case 0: case 1: keyPress(32); break;
                case 2: case 3: keyPress(13); break;
                case 4: case 5: form.dispatch(Event::KeyDown, "", {-1, 0, 0, 71}); break;
                case 6: form.dispatch(Event::KeyUp, "", {-1, 0, 0, 71}); break;
                case 7: keyPress(roll(2) ? 110 : 242); break;
                case 8:
                    if (roll(4) == 0) {
                        keyPress(120);
                        // Nothing fishes on a cut line.
                        ASSERT_FALSE(form.Actions_T.enabled()) << "step " << step;
                    }
                    break;
                case 9: form.dispatch(Event::Click, roll(2) ? "Butt_Popl" : "Butt_Bles", {}); break;
                case 10:
                    if (roll(20) == 0) {
                        form.dispatch(Event::Click, "Image2", {});
                        if (!form.Visible) {
                            castLanded = false;  // a new place: nothing cast there yet
                            map.dispatch(Event::Click, "PScene", {1 + roll(2), 0, 0, 0});
                        }
                    }
                    break;
                default: break;
            }
            Reequip();
            game().timers.advance(roll(4) == 0 ? 1 + roll(8000) : 1 + roll(400));
        });
        sawCatch = sawCatch || !v().save.CaughtFish.empty();
        sawSnag = sawSnag || v().fishing.Snagged;
        sawBreak = sawBreak || v().save.OwnedRods.size() < rods;
        CheckConsistent(money, step);
        // A fish is hooked only at a place where a cast has landed.
        castLanded = castLanded || v().fishing.InWater;
        ASSERT_TRUE(!v().fishing.Hooked || castLanded) << "step " << step;
        if (HasFatalFailure()) return;
    }
    // The session really fished: fish were landed, the lure snagged, a rod broke.
    EXPECT_TRUE(sawCatch);
    EXPECT_TRUE(sawSnag);
    EXPECT_TRUE(sawBreak);
    EXPECT_TRUE(form.Visible);
}

}  // namespace
