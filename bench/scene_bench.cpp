// One hour of virtual fishing through the headless driver with a scripted
// player who watches the scene through `print`: he casts, strikes when the
// float really bites, reels with pauses to keep the tension in its band,
// retrieves the lure, throws groundbait, switches rigs and cuts a snagged
// line. What he uses up he re-rigs, as he would in the inventory. Prints
// the ratio of virtual time to wall time.

#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include "data/numbers.h"
#include "shell/game.h"
#include "test_game.h"

namespace {

constexpr long long VirtualHour = 3600LL * 1000;

void Rig(klev::SaveData& v) {
    auto keep = [](std::vector<klev::TackleItem>& list, klev::Long& slot, const klev::TackleItem& item) {
        if (list.empty()) list.push_back(item);
        if (slot == 0) slot = 1;
    };
    klev::TackleItem rod;
    rod.Name = "Спиннинг";
    rod.Strength = 2500;
    klev::TackleItem line;
    line.Name = "3 кг";
    line.Strength = 3000;
    line.LineLength = 100;
    klev::TackleItem bait;
    bait.Name = "червь";
    bait.Amount = 50;
    klev::TackleItem lure;
    lure.Name = "Вертушка";
    lure.BaitKey = "блесна м";
    klev::TackleItem groundbait;
    groundbait.Name = "Насадка";
    groundbait.Amount = 20;
    groundbait.Power = 50;
    keep(v.OwnedRods, v.RodSlot, rod);
    keep(v.OwnedLines, v.LineSlot, line);
    keep(v.OwnedBaits, v.BaitSlot, bait);
    keep(v.OwnedLures, v.LureSlot, lure);
    keep(v.OwnedGroundbaits, v.GroundbaitSlot, groundbait);
}

class Player {
public:
    explicit Player(testing_support::TestGame& t) : t_(t) {}

    long long now() const { return t_.game().timers.now(); }

    // One cast and whatever follows it, up to a landing, an escape, a
    // retrieve to the shore or a quiet float given up.
    void Trip() {
        Rig(t_.game().save);
        if (is("Snagged")) command("keypress SceneForm 120");
        if (roll(6) == 0) command(roll(2) ? "click SceneForm.Butt_Bles" : "click SceneForm.Butt_Popl");
        if (roll(5) == 0) command("keypress SceneForm 110");
        command("keypress SceneForm 32");
        wait(500);
        if (t_.print("RigMode") == "popl") WatchFloat();
        Reel();
    }

private:
    void WatchFloat() {
        for (int look = 0; look < 700; ++look) {  // about 20 s
            wait(30);
            if (is("BiteActive")) {
                command("keypress SceneForm 13");
                wait(120);
                return;
            }
        }
    }

    // Holds G, letting go while the bar is high, until nothing is on the line
    // and the tackle is ashore.
    void Reel() {
        for (int step = 0; step < 4000; ++step) {
            const bool hooked = is("Hooked");
            if (!hooked && (t_.print("TackleY") == t_.print("ShoreLineY") || is("Snagged"))) break;
            const bool high =
                hooked && data::StrictNumber(t_.print("SceneForm.HerboLine.Width"), '.').value_or(0) > 2300;
            command(high ? "keyup SceneForm 71" : "keydown SceneForm 71");
            wait(50);
        }
        command("keyup SceneForm 71");
    }

    bool is(const char* flag) { return t_.print(flag) == "true"; }
    void command(const std::string& line) { t_.run(line + "\n"); }
    void wait(long long ms) { command("advance " + std::to_string(ms)); }
    int roll(int n) { return int(rng_() % unsigned(n)); }

    testing_support::TestGame& t_;
    std::mt19937 rng_{1};
};

}  // namespace

int main() {
    testing_support::TestGame t;
    t.startAs("Bench");
    t.run("click Form1.PScene(1)\nseed 42\n");
    Player player(t);
    const long long start = player.now();
    const auto wallStart = std::chrono::steady_clock::now();
    while (player.now() - start < VirtualHour) {
        player.Trip();
        if (t.lastStatus() != driver::Finished) {
            std::fprintf(stderr, "the driver stopped: status %d\n", int(t.lastStatus()));
            return 1;
        }
    }
    const double wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart).count();
    const long long virtualMs = player.now() - start;
    std::printf("virtual time %lld ms, wall time %.1f ms, ratio %.0fx, fish landed %zu\n", virtualMs, wallMs,
                double(virtualMs) / wallMs, t.game().save.CaughtFish.size());
    return 0;
}
