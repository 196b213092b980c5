#include <gtest/gtest.h>

#include "test_game.h"

namespace {

using testing_support::TestGame;

TEST(StartUp, ANewPlayerGetsFiftyDollarsAndAnEmptySave) {
    TestGame t;
    t.startAs("Вася");
    EXPECT_EQ(t.print("Form1.Visible"), "true");
    EXPECT_EQ(t.print("About.Visible"), "false");
    EXPECT_EQ(t.print("PlayerMoney"), "50");
    EXPECT_EQ(t.print("RigMode"), "popl");
    EXPECT_EQ(t.print("Form1.Label1.Caption"), "Озеро");
    EXPECT_TRUE(t.folder.exists("Saves/Вася/vrb.cfg"));
    EXPECT_EQ(t.folder.read("Saves/Вася/vrb.cfg"), "");
}

}  // namespace

namespace {

TEST(StartUp, ExitSavesAndTheNextStartFindsTheSave) {
    TestGame first;
    first.startAs("Петя");
    EXPECT_EQ(first.run("click Form1.Label5\n"), "ended\n");
    const auto lines = first.folder.readLines("Saves/Петя/vrb.cfg");
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0], "50");
    EXPECT_EQ(lines[6], "popl");
}

}  // namespace
