#include "base/shop_fr.h"

#include "base/inventory.h"
#include "base/shop_rules.h"
#include "data/catalog_files.h"
#include "data/numbers.h"
#include "data/text_codec.h"
#include "shell/game.h"
#include "shell/source.h"

namespace klev {

using forms::Event;
using forms::Kind;

namespace {

constexpr forms::Color Paper = 0xC8E0F0;     // beige shop walls
constexpr forms::Color Panel = 0x304C68;     // dark wood of the selector
constexpr forms::Color PanelText = 0xD8F0FF;
constexpr float SizeListOverLures = 1560;
constexpr float SizeListBelowLures = 2160;
const char* const SectionCaptions[] = {"Удочки", "Леска", "Насадки", "Блесны", "Прикормки"};
std::string PriceText(const std::string& price) { return "Цена: " + price + "$"; }

}  // namespace

ShopFr::ShopFr(Game& game)
    : forms::Form(game.timers, Name),
      Picture1(add(Kind::PictureBox, "Picture1", 0, 0, 2160, 3000)),
      Razdel_B(array(Kind::Label, "Razdel_B", 120, 360, 1800, 375, &Picture1)),
      Frame_Udochki(add(Kind::Frame, "Frame_Udochki", 2280, 120, 6960, 4320)),
      List_Sp(add(Kind::ListBox, "List_Sp", 120, 360, 3240, 2175, &Frame_Udochki)),
      Sp_Cena(label("Sp_Cena", "", 120, 2700, 3240, 330, &Frame_Udochki)),
      Sp_Prochnost(label("Sp_Prochnost", "", 120, 3120, 3240, 330, &Frame_Udochki)),
      Sp_pic(add(Kind::Image, "Sp_pic", 3480, 360, 3360, 2520, &Frame_Udochki)),
      Frame_Leska(add(Kind::Frame, "Frame_Leska", 2280, 120, 6960, 4320)),
      List_Leska(add(Kind::ListBox, "List_Leska", 120, 360, 3240, 2175, &Frame_Leska)),
      Lsk_Cena(label("Lsk_Cena", "", 120, 2700, 3240, 330, &Frame_Leska)),
      Leska_Pic(add(Kind::Image, "Leska_Pic", 3480, 360, 3360, 2520, &Frame_Leska)),
      Frame_Nas(add(Kind::Frame, "Frame_Nas", 2280, 120, 6960, 4320)),
      List_Nas(add(Kind::ListBox, "List_Nas", 120, 360, 3240, 2175, &Frame_Nas)),
      Nas_Cena(label("Nas_Cena", "", 120, 2700, 3240, 330, &Frame_Nas)),
      Pic_Nas(add(Kind::Image, "Pic_Nas", 3480, 360, 3360, 2520, &Frame_Nas)),
      Frame_Bles(add(Kind::Frame, "Frame_Bles", 2280, 120, 6960, 4320)),
      List_Bles(add(Kind::ListBox, "List_Bles", 120, 360, 3240, 1140, &Frame_Bles)),
      List_Select(add(Kind::ListBox, "List_Select", 120, SizeListOverLures, 3240, 780, &Frame_Bles)),
      Bles_Cena(label("Bles_Cena", "", 120, 3000, 3240, 330, &Frame_Bles)),
      Pic_Bles(add(Kind::Image, "Pic_Bles", 3480, 360, 3360, 2520, &Frame_Bles)),
      Frame_Prik(add(Kind::Frame, "Frame_Prik", 2280, 120, 6960, 4320)),
      prik_im(array(Kind::Image, "prik_im", 120, 360, 1560, 1560, &Frame_Prik)),
      Prik_Cena(label("Prik_Cena", "", 120, 2160, 3240, 330, &Frame_Prik)),
      Label3(label("Label3", "Прикормка для рыб семейства карповых.", 120, 2640, 6600, 375, &Frame_Prik)),
      Label_Money(label("Label_Money", "", 120, 3240, 2040, 375)),
      Info(label("Info", "", 6600, 4560, 2640, 375)),
      Label4(label("Label4", "Двойной щелчек - покупка товара", 2280, 4560, 4200, 330)),
      Label5(label("Label5", "выход", 120, 4560, 1200, 375)),
      game_(game) {
    Caption = "Магазин";
    Width = 9360;
    Height = 5100;
    BackColor = Paper;
    Picture1.BackColor = Panel;

    for (int i = 0; i < 5; ++i) {
        forms::Control& section = i == 0 ? Razdel_B[0] : Razdel_B.load(i);
        section.Caption = SectionCaptions[i];
        section.Top = 360 + 480 * float(i);
        section.FontSize = 11;
        section.ForeColor = PanelText;
        section.Visible = true;
        Frame(i).BackColor = Paper;
    }
    Frame_Udochki.Caption = "Спининги";
    Frame_Leska.Caption = "Леска";
    Frame_Nas.Caption = "Насадки";
    Frame_Bles.Caption = "Блесны";
    Frame_Prik.Caption = "Прикормки";
    // The lure list starts at the very top of its frame, so the frame has no title.
    for (const char* size : {"маленькая", "средняя", "большая"}) List_Select.addItem(size);
    for (forms::Control* picture : {&Sp_pic, &Leska_Pic, &Pic_Nas, &Pic_Bles}) picture->Stretch = true;
    Leska_Pic.setPicture(game.window<Source>().Fixed("leska"));
    for (int i = 0; i < 4; ++i) {
        forms::Control& pack = i == 0 ? prik_im[0] : prik_im.load(i);
        pack.Stretch = true;
        pack.Left = 120 + 1680 * float(i);
        // The pack shows its price in its Tag, as the designer left it.
        pack.Tag = data::NumberText(GroundbaitPackPrice(i), '.');
        pack.setPicture(game.window<Source>().Fixed("prik_" + pack.Tag));
        pack.Visible = true;
    }
    for (forms::Control* price : {&Sp_Cena, &Sp_Prochnost, &Lsk_Cena, &Nas_Cena, &Bles_Cena, &Prik_Cena})
        price->FontSize = 11;
    Label_Money.FontSize = 11;
    Label_Money.FontBold = true;
    Info.FontSize = 11;
    Info.FontBold = true;
    Info.ForeColor = 0x000090;
    Label5.FontSize = 11;
    ChooseSection(0);

    on("Razdel_B", Event::Click, [this](const forms::EventArgs& a) { ChooseSection(a.index); });
    on("Razdel_B", Event::MouseMove, [this](const forms::EventArgs& a) { BoldSection(a.index); });
    on("Picture1", Event::MouseMove, [this] { BoldSection(-1); });
    on("List_Sp", Event::Click, [this] { List_Sp_Click(); });
    on("List_Sp", Event::DblClick, [this] { List_Sp_DblClick(); });
    on("List_Leska", Event::Click, [this] { List_Leska_Click(); });
    on("List_Leska", Event::DblClick, [this] { List_Leska_DblClick(); });
    on("List_Nas", Event::Click, [this] { List_Nas_Click(); });
    on("List_Nas", Event::DblClick, [this] { List_Nas_DblClick(); });
    on("List_Bles", Event::Click, [this] { List_Bles_Click(); });
    on("List_Bles", Event::DblClick, [this] { List_Select.Top = SizeListBelowLures; });
    on("List_Select", Event::Click, [this] { List_Select_Click(); });
    on("prik_im", Event::MouseMove,
       [this](const forms::EventArgs& a) {
           Prik_Cena.Caption = PriceText(data::NumberText(GroundbaitPackPrice(a.index), '.'));
       });
    on("prik_im", Event::DblClick, [this](const forms::EventArgs& a) { prik_im_DblClick(a.index); });
    on("Label5", Event::Click, [this] { Hide(); });
    on("Label5", Event::MouseMove, [this] { Label5.FontBold = true; });
    on("", Event::MouseMove, [this] { Label5.FontBold = false; });
}

void ShopFr::ShowCatalogs(const std::vector<std::string>& lineTexts) {
    const LoadedData& d = game_.loaded;
    for (const TackleItem& rod : d.RodCatalog) List_Sp.addItem(rod.Name);
    for (const std::string& text : lineTexts) List_Leska.addItem(text);
    for (const TackleItem& bait : d.BaitCatalog) List_Nas.addItem(bait.Name);
    for (const TackleItem& lure : d.LureCatalog) List_Bles.addItem(lure.Name);
}

forms::Control& ShopFr::Frame(int index) {
    forms::Control* frames[] = {&Frame_Udochki, &Frame_Leska, &Frame_Nas, &Frame_Bles, &Frame_Prik};
    return *frames[index];
}

void ShopFr::OpenOnRods() {
    for (int i = 0; i < 5; ++i) Razdel_B[i].Left = 120;
    Razdel_B[0].Left = 200;
    Frame_Udochki.Visible = true;
    Frame_Bles.Visible = false;
    Frame_Leska.Visible = false;
    Frame_Nas.Visible = false;
    Frame_Prik.Visible = false;
    ShowMoney();
}

void ShopFr::ChooseSection(int index) {
    if (index < 0 || index > 4) return;
    for (int i = 0; i < 5; ++i) Razdel_B[i].Left = 120;
    Razdel_B[index].Left = 200;
    for (int i = 0; i < 5; ++i) Frame(i).Visible = false;
    Frame(index).Visible = true;
}

void ShopFr::BoldSection(int index) {
    for (int i = 0; i < 5; ++i) Razdel_B[i].FontBold = i == index;
}

void ShopFr::ShowMoney() { Label_Money.Caption = "Деньги: " + data::IntText(game_.save.PlayerMoney); }

Sale ShopFr::Order(Goods kind, const std::string& listText, const std::string& size, int pack) {
    const Sale sale = Buy(game_, klev::Order{kind, listText, size, pack});
    if (sale == Sale::NoMoney) Info.Caption = "Нет денег!";
    if (sale != Sale::Sold) return sale;
    ShowMoney();
    Info.Caption = "Куплено!";
    return sale;
}

void ShopFr::List_Sp_Click() {
    const TackleItem* rod = CatalogItem(game_, Goods::Rod, List_Sp.currentText());
    if (!rod) return;
    Sp_Cena.Caption = PriceText(data::IntText(rod->Price));
    Sp_Prochnost.Caption = "Прочность: " + game_.numberText(double(rod->Strength) / 1000.0) + " кг";
    Sp_pic.setPicture(LoadItemPicture(game_, "\\images\\sp_" + List_Sp.currentText() + ".jpg"));
}

void ShopFr::List_Sp_DblClick() { Order(Goods::Rod, List_Sp.currentText()); }

void ShopFr::List_Leska_Click() {
    const TackleItem* line = CatalogItem(game_, Goods::Line, List_Leska.currentText());
    if (!line) return;
    Lsk_Cena.Caption = PriceText(data::IntText(line->Price));
}

void ShopFr::List_Leska_DblClick() { Order(Goods::Line, List_Leska.currentText()); }

void ShopFr::List_Nas_Click() {
    const TackleItem* bait = CatalogItem(game_, Goods::Bait, List_Nas.currentText());
    if (!bait) return;
    Nas_Cena.Caption = PriceText(data::IntText(bait->Price));
    Pic_Nas.setPicture(LoadItemPicture(game_, "\\images\\" + List_Nas.currentText() + ".jpg"));
}

void ShopFr::List_Nas_DblClick() { Order(Goods::Bait, List_Nas.currentText()); }

void ShopFr::List_Bles_Click() {
    List_Select.Top = SizeListOverLures;
    const TackleItem* lure = CatalogItem(game_, Goods::Lure, List_Bles.currentText());
    if (!lure) return;
    Bles_Cena.Caption = PriceText(data::IntText(lure->Price));
    Pic_Bles.setPicture(LoadItemPicture(game_, "\\images\\bl_" + List_Bles.currentText() + ".jpg"));
}

void ShopFr::List_Select_Click() {
    // A click on the size list always lands on a size; without one there is nothing to buy.
    if (List_Select.ListIndex < 0) return;
    if (Order(Goods::Lure, List_Bles.currentText(), List_Select.currentText()) != Sale::Sold) return;
    List_Select.Top = SizeListOverLures;
}

void ShopFr::prik_im_DblClick(int index) { Order(Goods::Groundbait, "", "", index); }

}  // namespace klev
