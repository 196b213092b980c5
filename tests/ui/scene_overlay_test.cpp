// The scene's overlay: the line is drawn only while the tackle is in the
// water, it runs from the rod tip to the float, and a fish leaving the bait
// gets a cue, nibbles and the four bites are drawn apart; the overlay never
// changes the game.

#include <gtest/gtest.h>

#include "test_game.h"
#include "ui/game_host.h"
#include "ui/scene_overlay.h"
#include "ui_support.h"

namespace {

using testing_support::TestGame;

struct Scene {
    Scene() : host((ui_test::App(), t.game()), [] { return std::chrono::nanoseconds(0); }) {
        t.startAs();
        // A rod, a line and worms, put in use, then the first place with the float.
        t.run("click Form1.Butt_base\nclick Base.But_shop\nadvance 1500\n"
              "select ShopFr.List_Sp 0\ndblclick ShopFr.List_Sp\n"
              "click ShopFr.Razdel_B(1)\nselect ShopFr.List_Leska 0\ndblclick ShopFr.List_Leska\n"
              "click ShopFr.Razdel_B(2)\nselect ShopFr.List_Nas 0\ndblclick ShopFr.List_Nas\nclick ShopFr.Label5\n"
              "click Form1.Butt_base\nclick Base.Image1\n"
              "down InvenFr.But_SP 100 100\nselect InvenFr.List1 0\n"
              "down InvenFr.Label2 100 100\nselect InvenFr.List1 0\n"
              "down InvenFr.Label3 100 100\nselect InvenFr.List1 0\n"
              "click InvenFr.Label5\nclick Base.Image3\n"
              "click Form1.PScene(1)\nclick SceneForm.Butt_Popl\n");
        look();
    }
    // The host brings the windows in line, and the overlay looks at the game.
    ui::SceneOverlay& look() {
        host.syncAll();
        auto* overlay = host.window("SceneForm")->findChild<ui::SceneOverlay*>();
        if (!overlay) throw std::runtime_error("no overlay on the scene");
        return *overlay;
    }
    TestGame t;
    ui::GameHost host;
};

TEST(SceneOverlay, TheLineIsDrawnOnlyWhileTheTackleIsInTheWater) {
    Scene s;
    EXPECT_FALSE(s.look().drawsLine()) << "nothing cast yet";

    s.t.run("keypress SceneForm 32\nadvance 250\n");
    EXPECT_FALSE(s.look().drawsLine()) << "the tackle is in the air";

    s.t.run("advance 250\n");
    ui::SceneOverlay& o = s.look();
    ASSERT_TRUE(o.drawsLine()) << "landed";
    EXPECT_TRUE(o.drawsFloat());
    // To the float at TackleX, CastLineY (5640, 2400 twips); from the rod's
    // tip, which lies inside the rod picture and above the float's water.
    EXPECT_NEAR(o.tackle().x(), 5640 / 15.0 + 0.5, 0.01);
    EXPECT_NEAR(o.tackle().y(), 2400 / 15.0, 0.01);
    ui::ControlView* rod = s.host.window("SceneForm")->view("Speening");
    ASSERT_NE(rod, nullptr);
    EXPECT_TRUE(QRectF(rod->geometry()).adjusted(-1, -1, 1, 1).contains(o.rodTip()));
    EXPECT_LT(o.rodTip().y(), rod->geometry().center().y()) << "the tip is the rod's upper end";

    s.t.run("keypress SceneForm 120\n");  // cutting the line takes the tackle out
    EXPECT_FALSE(s.look().drawsLine());
    EXPECT_EQ(s.t.print("SceneForm.SLED.Visible"), "false");
}

TEST(SceneOverlay, AFishLeavingTheBaitGetsACueAndTheDrawsStayTheGames) {
    Scene s;
    s.t.run("keypress SceneForm 32\nadvance 500\n");
    s.look();
    // The search finds a perch (p = 2, abundance and chance pass, a = 2), draws
    // its weight; the first nibble tick has it leave (r50 = 5) without a bite.
    s.t.run("rnd 0.4 0 0 0.2 0.5 0.5 0.5 0 0 0.09 0\nadvance 300\n");
    EXPECT_EQ(s.t.print("FishAtBait"), "true");
    EXPECT_TRUE(s.look().cues().empty());
    s.t.run("advance 200\n");
    EXPECT_EQ(s.t.print("FishAtBait"), "false");
    EXPECT_EQ(s.t.run("rndleft\n"), "0\n") << "every scripted draw went to the rules";
    ui::SceneOverlay& o = s.look();
    ASSERT_FALSE(o.cues().empty());
    EXPECT_EQ(o.cues().back().text, QString::fromUtf8("Рыба ушла"));
    EXPECT_TRUE(o.drawsLine()) << "the float still lies in the water";
}

}  // namespace

namespace {

// A nibble, then a bite of the given kind. The draws: the search finds the
// perch and draws its weight; the nibble tick (the float bobs 35 twips) has
// the perch bite (r110 = 110, r3 = 3, r50 = 1), then the kind and the next
// interval (100 ms); a drift draws its directions and steps (down, down, 10, 10).
std::string BiteScript(int kind) {
    const char* kinds[] = {"", "0 0 0 0 0.5 0.5", "0.25 0", "0.5 0", "0.75 0"};
    return std::string("rnd 0.4 0 0 0.2 0.5 0.5 0.5 0.999 0.7 0 ") + kinds[kind] + "\n";
}

TEST(SceneOverlay, NibblesAndEachBiteKindLookDifferent) {
    struct Case {
        int kind;
        const char* what;
    };
    for (const Case c : {Case{1, "drift"}, Case{2, "pulled under"}, Case{3, "bobbing"}, Case{4, "rising"}}) {
        SCOPED_TRACE(c.what);
        Scene s;
        s.t.run("keypress SceneForm 32\nadvance 500\n");
        const QPointF rest = s.look().tackle();
        s.t.run(BiteScript(c.kind) + "advance 300\n");
        s.look();
        s.t.run("advance 200\n");  // the nibble tick: the bite is decided, the float bobbed down
        ASSERT_EQ(s.t.print("BiteActive"), "true");
        EXPECT_NEAR(s.look().tackle().y() - rest.y(), 35 * 3 / 15.0, 0.01) << "a nibble's bob is drawn three times over";
        // Ten bite ticks of 30 ms after the first one at 100 ms.
        double most = 0;
        QPointF last;
        bool floatShown = true, lineShown = true;
        for (int t = 0; t < 11; ++t) {
            s.t.run(t == 0 ? "advance 100\n" : "advance 30\n");
            ui::SceneOverlay& o = s.look();
            most = std::max(most, std::abs(o.tackle().y() - rest.y()));
            last = o.tackle();
            floatShown = o.drawsFloat();
            lineShown = o.drawsLine();
        }
        EXPECT_TRUE(lineShown);
        switch (c.kind) {
            case 1:  // the float slides away, 10 twips a tick each way
                EXPECT_TRUE(floatShown);
                EXPECT_NEAR(last.x(), rest.x() - 100 / 15.0, 0.01);
                break;
            case 2:  // gone under: no float, the line runs to the spot
                EXPECT_FALSE(floatShown);
                break;
            case 3:  // fast bobs of 7 pixels
                EXPECT_TRUE(floatShown);
                EXPECT_NEAR(most, 7, 0.01);
                EXPECT_NEAR(last.x(), rest.x(), 0.01);
                break;
            case 4:  // the float lifts as its body lengthens a twip a tick
                EXPECT_TRUE(floatShown);
                EXPECT_LT(last.y(), rest.y() + 7 - 2);
                break;
        }
        EXPECT_EQ(s.t.run("rndleft\n"), "0\n");
    }
}

}  // namespace
