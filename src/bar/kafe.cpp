#include "bar/kafe.h"

#include <string>

#include "bar/duel.h"
#include "bar/regulars.h"
#include "bar/shop_buy_drink.h"
#include "bar/shop_buy_food.h"
#include "data/numbers.h"
#include "scene/scene_form.h"
#include "mainscreen/form1.h"
#include "shell/game.h"
#include "shell/source.h"

namespace klev {

using forms::Event;
using forms::Kind;

namespace {

constexpr forms::Color PanelWood = 0x1E3048;
constexpr forms::Color Cream = 0xD0F0FF;
constexpr forms::Color MeterAmber = 0x30B0F0;
constexpr forms::Color MeterGreen = 0x50C050;
constexpr forms::Color PuddleGreen = 0x00C000;
constexpr forms::Color BubblePaper = 0xF0FAFF;
constexpr float Panel = 5700;  // the hall picture above, the panel below

forms::Control& Zone(forms::Control& c) {
    c.BackTransparent = true;
    return c;
}

}  // namespace

Kafe::Kafe(Game& game)
    : forms::Form(game.timers, Name),
      Image1(add(Kind::Image, "Image1", 0, 0, 9600, Panel)),
      Label1(label("Label1", "", 0, Panel, 9600, 1500)),
      Label5(Zone(label("Label5", "", 6360, 2520, 1320, 3180))),
      Label6(Zone(label("Label6", "", 4800, 3000, 1560, 2700))),
      Label7(Zone(label("Label7", "", 2700, 3600, 1800, 2100))),
      Label8(Zone(label("Label8", "", 0, 3900, 2700, 1800))),
      Blevo(array(Kind::Shape, "Blevo", 0, 0, 600, 240)),
      Eye1(add(Kind::Shape, "Eye1", 3135, 4299, 120, 75)),
      eye2(add(Kind::Shape, "eye2", 3405, 4299, 120, 75)),
      Rech(label("Rech", "", 0, 0, 2400, 720)),
      But_Buy(label("But_Buy", "Купить выпивку", 120, 5820, 1800, 330)),
      But_All(label("But_All", "Угостить всех", 1980, 5820, 1800, 330)),
      But_Din(label("But_Din", "Купить поесть", 3840, 5820, 1800, 330)),
      But_Duel(label("But_Duel", "Устроить дуэль", 5700, 5820, 1800, 330)),
      But_exit(label("But_exit", "Уйти отcюдова", 7560, 5820, 1920, 330)),
      Info(label("Info", "", 5160, 6300, 4320, 330)),
      Label2(label("Label2", "", 5160, 6690, 4320, 330)),
      Label3(label("Label3", "степень опьянения", 120, 6300, 1920, 300)),
      St_Drink(label("St_Drink", "", 2100, 6330, 0, 240)),
      Label4(label("Label4", "сытость", 120, 6690, 1920, 300)),
      St_Goloda(label("St_Goloda", "", 2100, 6720, 60, 240)),
      Select_fr(add(Kind::Frame, "Select_fr", 3480, 1080, 2640, 1380)),
      Label12(label("Label12", "Выбери соперника", 120, 960, 2400, 330, &Select_fr)),
      Lb_Select(array(Kind::Image, "Lb_Select", 0, 120, 375, 735, &Select_fr)),
      Frame1(add(Kind::Frame, "Frame1", 2400, 1920, 4800, 1560)),
      Label9(label("Label9", "ТЫ ПЕРЕБРАЛ ", 240, 240, 4320, 540, &Frame1)),
      Label10(label("Label10", "Подожди пока проснешся", 240, 900, 4320, 420, &Frame1)),
      Actions(timer("Actions", 3000, [this, &game] {
          ChooseSpeaker(game);
          ShowHall();
      })),
      Timer1(timer("Timer1", 50, [this, &game] {
          SlidePuddles(game);
          ShowHall();
      })),
      TurboTimer(timer("TurboTimer", 30000, [this, &game] {
          game.window<Form1>().Show();
          game.bar.PassedOut = false;
          TurboTimer.setEnabled(false);
          ShowHall();
      })),
      game_(game) {
    Caption = "Бар";
    Width = 9600;
    Height = 7200;
    BackColor = PanelWood;
    Image1.Stretch = true;
    Label1.BackTransparent = false;  // the panel under the hall
    Label1.BackColor = PanelWood;

    // The puddle template and Хумпи's eyes: filled ovals, hidden until used.
    Blevo[0].Shape = forms::ShapeKind::Oval;
    Blevo[0].Filled = true;
    Blevo[0].FillColor = PuddleGreen;
    Blevo[0].BorderColor = 0x008000;
    Blevo[0].Visible = false;
    for (forms::Control* eye : {&Eye1, &eye2}) {
        eye->Shape = forms::ShapeKind::Oval;
        eye->Filled = true;
        eye->BorderColor = forms::Black;
        eye->Visible = false;
    }

    Rech.BackTransparent = false;
    Rech.BackColor = BubblePaper;
    Rech.Centered = true;
    Rech.FontBold = true;
    Rech.Visible = false;

    for (forms::Control* c : {&But_Buy, &But_All, &But_Din, &But_Duel, &But_exit, &Info, &Label2, &Label3, &Label4})
        c->ForeColor = Cream;
    for (forms::Control* c : {&But_Buy, &But_All, &But_Din, &But_Duel, &But_exit}) {
        c->FontSize = 10;
        c->Centered = true;
    }
    Info.ForeColor = 0x80FFFF;
    Label4.ForeColor = 0xA0A0A0;  // drawn white once the bar opens
    for (forms::Control* meter : {&St_Drink, &St_Goloda}) meter->BackTransparent = false;
    St_Drink.BackColor = MeterAmber;
    St_Goloda.BackColor = MeterGreen;

    // The chooser: four portraits in a row, left to right 4, 2, 3, 1.
    Select_fr.BackTransparent = false;
    Select_fr.BackColor = PanelWood;
    Select_fr.Visible = false;
    Label12.ForeColor = Cream;
    Label12.Centered = true;
    Lb_Select[0].Visible = false;
    const int leftToRight[] = {4, 2, 3, 1};
    for (int k = 0; k < 4; ++k) {
        forms::Control& area = Lb_Select.load(leftToRight[k]);
        area.Left = 180 + float(k) * 600;
        area.Visible = true;
        area.Stretch = true;
    }

    Frame1.BackTransparent = false;
    Frame1.BackColor = 0x101830;
    Frame1.Visible = false;
    Label9.ForeColor = 0x4040FF;
    Label9.FontSize = 18;
    Label9.FontBold = true;
    Label9.Centered = true;
    Label10.ForeColor = Cream;
    Label10.FontSize = 12;
    Label10.Centered = true;

    forms::Control* const buttons[] = {&But_Buy, &But_All, &But_Din, &But_Duel, &But_exit};
    for (forms::Control* b : buttons) on(b->name(), Event::MouseMove, [this, b] { HoverButton(*b); });
    // The hall's picture is the window's background to the mouse.
    for (const char* background : {"", "Image1"})
        on(background, Event::MouseMove, [this] { Select_fr.Visible = false; });
    const std::pair<const char*, int> zones[] = {{"Label5", 2}, {"Label6", 3}, {"Label7", 4}, {"Label8", 1}};
    for (const auto& zone : zones)
        on(zone.first, Event::MouseMove,
           [this, regular = zone.second] { Label2.Caption = game_.save.Regulars[regular - 1].Name; });
    on("Label1", Event::MouseMove, [this] { Info.Caption = ""; });

    on("But_Buy", Event::Click, [this] {
        game_.bar.TreatAll = false;
        Shop_BuyDrink& menu = game_.window<Shop_BuyDrink>();
        menu.Show();
        menu.Label1.Caption = "Выбери себе выпивку";
        menu.Label3.Caption = "Деньги " + data::IntText(game_.save.PlayerMoney) + " $";
    });
    on("But_All", Event::Click, [this] {
        game_.bar.TreatAll = true;
        Shop_BuyDrink& menu = game_.window<Shop_BuyDrink>();
        menu.Show();
        menu.Label1.Caption = "Угости всех выпивкой";
        menu.Label3.Caption = "Деньги " + data::IntText(game_.save.PlayerMoney) + " $";
    });
    on("But_Din", Event::Click, [this] {
        if (game_.bar.Satiety > 99) return;
        Shop_BuyFood& menu = game_.window<Shop_BuyFood>();
        menu.Show();
        menu.Label3.Caption = "Деньги: " + data::IntText(game_.save.PlayerMoney) + " $";
    });
    on("But_Duel", Event::Click, [this] { But_Duel_Click(); });
    on("Lb_Select", Event::Click, [this](const forms::EventArgs& e) {
        game_.duel.SelectedRegular = e.index;
        game_.window<SceneForm>().Duel_Console.clear();
        ChallengeRegular(game_);
    });
    on("But_exit", Event::Click, [this] { But_exit_Click(); });
}

void Kafe::HoverButton(forms::Control& button) {
    for (forms::Control* b : {&But_Buy, &But_All, &But_Din, &But_Duel, &But_exit}) b->FontBold = b == &button;
}

void Kafe::But_Duel_Click() {
    if (game_.save.CaughtFish.size() < 1) {
        // The portraits and the pointer come with the chooser's first showing.
        if (Lb_Select[1].picture().empty()) {
            Source& source = game_.window<Source>();
            for (int i = 1; i <= 4; ++i) {
                Lb_Select[i].setPicture(source.Fixed("rival" + std::to_string(i)));
                Lb_Select[i].MouseIcon = source.Fixed("pointer_duel");
            }
        }
        Select_fr.Visible = true;
        Label12.Caption = "выбери соперника";
    } else {
        Info.Caption = "продай или отпусти всю рыбу";
    }
}

void Kafe::But_exit_Click() {
    Hide();
    game_.bar.Drunkenness = 1;
    Timer1.setEnabled(false);
    Actions.setEnabled(false);
}

void Kafe::ShowHall() {
    const BarState& bar = game_.bar;
    if (!bar.Speech.empty()) {
        Rech.Caption = bar.Speech;
        Rech.Top = float(bar.SpeechTop);
        Rech.Left = float(bar.SpeechLeft);
        Rech.Visible = true;
    }
    for (forms::Control* eye : {&Eye1, &eye2}) {
        eye->Visible = bar.EyesShown;
        eye->FillColor = forms::Color(bar.EyeColor);
    }
    St_Drink.Width = float(bar.DrinkMeter);
    if (bar.DrinkMeterRed) St_Drink.BackColor = forms::Red;
    St_Goloda.Width = float(bar.SatietyMeter);
    Frame1.Visible = bar.PassedOut;

    const int count = int(bar.Puddles.size());
    for (int i : Blevo.indices())
        if (i > count) Blevo.unload(i);
    for (int i = 1; i <= count; ++i) {
        forms::Control& puddle = Blevo.loaded(i) ? Blevo[i] : Blevo.load(i);
        puddle.Left = float(bar.Puddles[std::size_t(i - 1)].Left);
        puddle.Top = float(bar.Puddles[std::size_t(i - 1)].Top);
        puddle.FillColor = PuddleGreen;
        puddle.Visible = true;
    }
}

void OpenBar(Game& game) {
    Kafe& kafe = game.window<Kafe>();
    BarState& bar = game.bar;
    kafe.Show();
    bar.DrinkMeter = bar.Drunkenness * 10;
    bar.SatietyMeter = 60;
    bar.Satiety = 1;
    kafe.Label4.ForeColor = forms::White;
    // Opened again while open, the running timers keep their countdowns.
    kafe.Actions.setEnabled(true);
    bar.EyesShown = false;
    bar.FirstSlidingPuddle = 1;
    kafe.Select_fr.Visible = false;
    bar.Puddles.clear();
    kafe.Timer1.setEnabled(true);
    for (RegularRecord& regular : game.save.Regulars) regular.Drunkenness = 1;
    kafe.ShowHall();
}

void PassOut(Game& game) {
    Kafe& kafe = game.window<Kafe>();
    game.bar.PassedOut = true;
    // Passing out again while still out does not put the waking off.
    kafe.TurboTimer.setEnabled(true);
    game.window<Form1>().Hide();
    game.bar.Drunkenness = 50;
    kafe.ShowHall();
}

void Kafe::takeStockPicture(std::string_view tag, const forms::Bitmap& p) {
    if (tag == "bar") Picture = p;
    else if (tag == "pubcrew") Image1.setPicture(p);
}

}  // namespace klev
