#include <gtest/gtest.h>

#include "base/inven_fr.h"
#include "base/inventory.h"
#include "shell/game.h"
#include "test_game.h"

namespace {

using testing_support::PictureBytes;
using testing_support::TestGame;

klev::TackleItem Item(const std::string& name, long long amount = 0, long long power = 0) {
    klev::TackleItem item;
    item.Name = name;
    item.Amount = amount;
    item.Power = power;
    return item;
}

klev::TackleItem Line(const std::string& name, long long length) {
    klev::TackleItem item;
    item.Name = name;
    item.LineLength = length;
    return item;
}

klev::TackleItem Lure(const std::string& name, const std::string& size) {
    klev::TackleItem item;
    item.Name = name;
    item.SizeName = size;
    return item;
}

// On the map, then the inventory opened from the base.
void OpenFromBase(TestGame& t) {
    t.run("click Form1.Butt_base\nclick Base.Image1\n");
    ASSERT_EQ(t.print("InvenFr.Visible"), "true");
}

TEST(Inventory, OpeningFromTheBaseBlanksEmptySlots) {
    TestGame t;
    t.startAs();
    OpenFromBase(t);
    EXPECT_EQ(t.print("InvenFr.Caption"), "Инвентарь");
    EXPECT_EQ(t.run("print InvenFr.List1.Visible\nprint InvenFr.Sp_pic.Picture\nprint InvenFr.Bles_Pic.Picture\n"
                    "print InvenFr.Nas_pic.Picture\nprint InvenFr.Prik_Pic.Picture\nprint InvenFr.Leska_Naz.Caption\n"),
              "false\nEmpty_Pic\nEmpty_Pic\nEmpty_Pic\nEmpty_Pic\n\n");
    EXPECT_EQ(t.run("print InvenFr.Frame_Sp.Caption\nprint InvenFr.Frame_Leska.Caption\nprint InvenFr.Frame_Bles.Caption\n"
                    "print InvenFr.Frame_Nas.Caption\nprint InvenFr.Frame_Prik.Caption\n"),
              "Спининг\nЛеска\nБлесна\nНасадка\nПрикормка\n");
}

TEST(Inventory, PickListOpensAtTheClickPointWithOneKindFlagged) {
    TestGame t;
    t.startAs();
    t.game().save.OwnedRods = {Item("Удочка"), Item("Спиннинг")};
    t.game().save.OwnedLures = {Lure("Вертушка", "большая")};
    OpenFromBase(t);
    // The rods' button places the list at the coordinates it receives.
    t.run("down InvenFr.But_SP 300 450\n");
    EXPECT_EQ(t.run("print InvenFr.List1.Visible\nprint InvenFr.List1.Left\nprint InvenFr.List1.Top\n"
                    "items InvenFr.List1\nprint InvShowsRods\nprint InvShowsLures\n"),
              "true\n300\n450\nУдочка\nСпиннинг\n.\ntrue\nfalse\n");
    // The other boxes add their frame's position.
    const std::string left = t.print("InvenFr.Frame_Bles.Left"), top = t.print("InvenFr.Frame_Bles.Top");
    t.run("down InvenFr.Label1 100 200\n");
    EXPECT_EQ(t.run("print InvenFr.List1.Left\nprint InvenFr.List1.Top\nitems InvenFr.List1\n"),
              std::to_string(std::stoi(left) + 100) + "\n" + std::to_string(std::stoi(top) + 200) + "\nВертушка\n.\n");
    EXPECT_EQ(t.run("print InvShowsRods\nprint InvShowsLures\nprint InvShowsLines\nprint InvShowsBaits\n"
                    "print InvShowsGroundbaits\n"),
              "false\ntrue\nfalse\nfalse\nfalse\n");
    // A kind with nothing owned gives an empty list, and clicking in it does nothing.
    t.run("down InvenFr.Label4 10 10\nclick InvenFr.List1\n");
    EXPECT_EQ(t.run("print InvShowsGroundbaits\nprint InvenFr.List1.ListCount\nprint InvenFr.List1.Visible\n"
                    "print GroundbaitSlot\n"),
              "true\n0\ntrue\n0\n");
    t.game().window<klev::InvenFr>().Own_Inv();
    EXPECT_EQ(t.print("InvShowsGroundbaits"), "false");
}

TEST(Inventory, OfTwoRodsWithOneNameTheFirstIsChosen) {
    TestGame t;
    t.folder.writeBytes("images/sp_Удочка.jpg", PictureBytes(3, 3));
    t.startAs();
    t.game().save.OwnedRods = {Item("Спиннинг"), Item("Удочка"), Item("Удочка")};
    OpenFromBase(t);
    t.run("down InvenFr.But_SP 10 10\nselect InvenFr.List1 2\n");
    EXPECT_EQ(t.run("print RodSlot\nprint InvenFr.Sp_pic.Picture\nprint InvenFr.List1.Visible\n"),
              "2\n\\images\\sp_Удочка.jpg\nfalse\n");
    // No picture file: the empty slot is shown, the rod is in use all the same.
    t.run("down InvenFr.But_SP 10 10\nselect InvenFr.List1 0\n");
    EXPECT_EQ(t.run("print RodSlot\nprint InvenFr.Sp_pic.Picture\n"), "1\nEmpty_Pic\n");
}

TEST(Inventory, OfTwoBaitsWithOneNameTheClickedOneIsChosen) {
    TestGame t;
    t.folder.writeBytes("images/червь.jpg", PictureBytes(3, 3));
    t.startAs();
    t.game().save.OwnedBaits = {Item("червь", 20), Item("червь", 7)};
    OpenFromBase(t);
    t.run("down InvenFr.Label3 10 10\nselect InvenFr.List1 1\n");
    EXPECT_EQ(t.run("print BaitSlot\nprint InvenFr.Nas_Kol.Caption\nprint InvenFr.Nas_pic.Picture\n"
                    "print InvenFr.List1.Visible\n"),
              "2\nОсталось: 7\n\\images\\червь.jpg\nfalse\n");
}

TEST(Inventory, AnEntryForABaitUsedUpMeanwhileChoosesNothing) {
    TestGame t;
    t.startAs();
    t.game().save.OwnedBaits = {Item("червь", 20), Item("живец", 1)};
    OpenFromBase(t);
    t.run("down InvenFr.Label3 10 10\n");
    // The scene used up the second bait while the pick list stayed open.
    t.game().save.OwnedBaits.pop_back();
    EXPECT_EQ(t.run("select InvenFr.List1 1\nprint BaitSlot\n"), "0\n");
    EXPECT_EQ(t.lastStatus(), driver::Finished);
}

TEST(Inventory, LuresByPositionWithTheirSize) {
    TestGame t;
    t.startAs();
    t.game().save.OwnedLures = {Lure("Воблер", "маленькая"), Lure("Воблер", "средняя")};
    OpenFromBase(t);
    t.run("down InvenFr.Label1 10 10\nselect InvenFr.List1 1\n");
    EXPECT_EQ(t.run("print LureSlot\nprint InvenFr.Bles_Raz.Caption\nprint InvenFr.Bles_Pic.Picture\n"),
              "2\nРазмер: средняя\nEmpty_Pic\n");
    // An entry past the owned lures (the list went stale) chooses nothing.
    t.run("down InvenFr.Label1 10 10\n");
    t.game().save.OwnedLures.pop_back();
    t.run("select InvenFr.List1 1\n");
    EXPECT_EQ(t.run("print LureSlot\nprint InvenFr.List1.Visible\n"), "2\ntrue\n");
}

TEST(Inventory, GroundbaitTakesThePictureOfTheShopPackOfItsPower) {
    TestGame t;
    t.startAs();
    t.game().save.OwnedGroundbaits = {Item("Насадка", 10, 70), Item("Насадка", 4, 100), Item("Насадка", 9, 45)};
    OpenFromBase(t);
    t.run("down InvenFr.Label4 10 10\nselect InvenFr.List1 0\n");
    EXPECT_EQ(t.run("print GroundbaitSlot\nprint InvenFr.Prik_Pic.Picture\nprint InvenFr.Prik_Kol.Caption\n"),
              "1\nprik_7\nОсталось: 10\n");
    t.run("down InvenFr.Label4 10 10\nselect InvenFr.List1 1\n");
    EXPECT_EQ(t.run("print GroundbaitSlot\nprint InvenFr.Prik_Pic.Picture\nprint InvenFr.Prik_Kol.Caption\n"),
              "2\nprik_10\nОсталось: 4\n");
    // No pack costs 4.5 dollars: the first pack's picture.
    t.run("down InvenFr.Label4 10 10\nselect InvenFr.List1 2\n");
    EXPECT_EQ(t.run("print GroundbaitSlot\nprint InvenFr.Prik_Pic.Picture\n"), "3\nprik_3\n");
}

TEST(Inventory, ALineShowsMetresWhenChosenAndABareNumberFromTheBase) {
    TestGame t;
    t.startAs();
    t.game().save.OwnedLines = {Line("6 кг", 40), Line("2,5 кг", 87), Line("2,5 кг", 100)};
    OpenFromBase(t);
    t.run("down InvenFr.Label2 10 10\nselect InvenFr.List1 2\n");
    EXPECT_EQ(t.run("print LineSlot\nprint InvenFr.Leska_Naz.Caption\nprint InvenFr.Leska_Kol.Caption\n"),
              "2\n2,5 кг\nОсталось: 87 м\n");
    t.run("click InvenFr.Label5\nclick Base.Image1\n");
    EXPECT_EQ(t.run("print InvenFr.Leska_Naz.Caption\nprint InvenFr.Leska_Kol.Caption\n"), "2,5 кг\n87\n");
}

TEST(Inventory, FromTheBaseTheBaitInUseShowsABareNumber) {
    TestGame t;
    t.startAs();
    t.game().save.OwnedBaits = {Item("червь", 20)};
    t.game().save.OwnedGroundbaits = {Item("Насадка", 6, 30)};
    t.game().save.BaitSlot = 1;
    t.game().save.GroundbaitSlot = 1;
    OpenFromBase(t);
    // The groundbait's text is only written when it is chosen or from the scene.
    EXPECT_EQ(t.run("print InvenFr.Nas_Kol.Caption\nprint InvenFr.Prik_Kol.Caption\nprint InvenFr.Nas_pic.Picture\n"
                    "print InvenFr.Sp_pic.Picture\n"),
              "20\n\n\nEmpty_Pic\n");
}

TEST(Inventory, FromTheSceneTheSlotsInUseShowWhatIsLeft) {
    TestGame t;
    t.startAs();
    t.game().save.OwnedLines = {Line("6 кг", 55)};
    t.game().save.OwnedBaits = {Item("червь", 20), Item("живец", 3)};
    t.game().save.OwnedGroundbaits = {Item("Насадка", 8, 50)};
    t.game().save.LineSlot = 1;
    t.game().save.BaitSlot = 2;
    t.game().save.GroundbaitSlot = 1;
    klev::OpenInventoryFromScene(t.game());
    EXPECT_EQ(t.run("print InvenFr.Visible\nprint InvenFr.List1.Visible\nprint InvenFr.Leska_Kol.Caption\n"
                    "print InvenFr.Nas_Kol.Caption\nprint InvenFr.Prik_Kol.Caption\nprint InvenFr.Sp_pic.Picture\n"
                    "print InvenFr.Bles_Pic.Picture\nprint InvenFr.Nas_pic.Picture\n"),
              "true\nfalse\nДлина: 55\nОсталось: 3\nОсталось: 8\nEmpty_Pic\nEmpty_Pic\n\n");
}

TEST(Inventory, TheScenesThingsIconOpensItWithThePickListHidden) {
    TestGame t;
    t.startAs();
    t.game().save.OwnedLines = {Line("6 кг", 35)};
    t.game().save.OwnedRods = {Item("Удочка")};
    t.game().save.LineSlot = 1;
    t.run("click Form1.PScene(1)\nclick Form1.Butt_base\nclick Base.Image1\ndown InvenFr.But_SP 0 0\n");
    ASSERT_EQ(t.print("InvenFr.List1.Visible"), "true");
    t.run("click InvenFr.Label5\nclick SceneForm.Image3\n");
    EXPECT_EQ(t.run("print InvenFr.Visible\nprint InvenFr.List1.Visible\nprint InvenFr.Leska_Kol.Caption\n"
                    "print SceneForm.Visible\n"),
              "true\nfalse\nДлина: 35\ntrue\n");
}

TEST(Inventory, LeavingShowsTheScenesRodOnlyWithARodInUse) {
    TestGame t;
    t.startAs();
    t.game().save.OwnedRods = {Item("Удочка")};
    OpenFromBase(t);
    t.run("click InvenFr.Label5\n");
    EXPECT_EQ(t.run("print InvenFr.Visible\nprint SceneForm.Speening.Visible\n"), "false\nfalse\n");
    t.run("click Base.Image1\ndown InvenFr.But_SP 0 0\nselect InvenFr.List1 0\nclick InvenFr.Label5\n");
    EXPECT_EQ(t.run("print RodSlot\nprint InvenFr.Visible\nprint SceneForm.Speening.Visible\n"), "1\nfalse\ntrue\n");
    EXPECT_EQ(t.run("move InvenFr.Label5\nprint InvenFr.Label5.FontBold\nmove InvenFr\nprint InvenFr.Label5.FontBold\n"),
              "true\nfalse\n");
}

TEST(Inventory, BoughtTackleCanBeRiggedEndToEnd) {
    TestGame t;
    t.startAs();
    t.run("click Form1.Butt_base\nclick Base.But_shop\nadvance 1500\n"
          "select ShopFr.List_Sp 0\ndblclick ShopFr.List_Sp\n"
          "select ShopFr.List_Leska 0\ndblclick ShopFr.List_Leska\n"
          "select ShopFr.List_Nas 0\ndblclick ShopFr.List_Nas\n"
          "select ShopFr.List_Bles 0\ndblclick ShopFr.List_Bles\nselect ShopFr.List_Select 2\n"
          "dblclick ShopFr.prik_im(1)\nclick ShopFr.Label5\n"
          "click Form1.Butt_base\nclick Base.Image1\n"
          "down InvenFr.But_SP 0 0\nselect InvenFr.List1 0\n"
          "down InvenFr.Label2 0 0\nselect InvenFr.List1 0\n"
          "down InvenFr.Label3 0 0\nselect InvenFr.List1 0\n"
          "down InvenFr.Label1 0 0\nselect InvenFr.List1 0\n"
          "down InvenFr.Label4 0 0\nselect InvenFr.List1 0\n");
    EXPECT_EQ(t.run("print PlayerMoney\nprint RodSlot\nprint LineSlot\nprint BaitSlot\nprint LureSlot\n"
                    "print GroundbaitSlot\n"),
              "19\n1\n1\n1\n1\n1\n");
    EXPECT_EQ(t.run("print InvenFr.Leska_Kol.Caption\nprint InvenFr.Nas_Kol.Caption\nprint InvenFr.Bles_Raz.Caption\n"
                    "print InvenFr.Prik_Pic.Picture\nprint InvenFr.Prik_Kol.Caption\n"),
              "Осталось: 100 м\nОсталось: 20\nРазмер: большая\nprik_5\nОсталось: 10\n");
}

}  // namespace
