#include "scene/scene_form.h"

#include <iterator>
#include <utility>

#include "base/catch_functions.h"
#include "base/inventory.h"
#include "scene/breakage.h"
#include "scene/fight.h"
#include "scene/fish_search.h"
#include "scene/groundbait.h"
#include "scene/rod.h"
#include "scene/tackle.h"
#include "shell/game.h"
#include "shell/save_game.h"
#include "shell/sound.h"
#include "shell/source.h"

namespace klev {

using forms::Event;
using forms::Kind;

namespace {

constexpr forms::Color Green = 0x00C000;
constexpr forms::Color LightBlue = 0xFFC0C0;
constexpr forms::Color LightRed = 0xC0C0FF;
constexpr forms::Color LightYellow = 0xC0FFFF;

const char* const HelpTexts[] = {
    "Справка",
    "Пробел :: заброс ",
    "G :: проводка, тащить ",
    "Enter :: подсечка",
    "X :: оборвать леску",
    "N :: бросить прикормку",
    "I :: инвентарь",
    "F :: пойманая рыба",
    "B :: рыболовная база",
    "M :: карта водоема",
};

void Paint(forms::Control& shape, forms::ShapeKind kind, forms::Color fill, forms::Color border) {
    shape.Shape = kind;
    shape.Filled = true;
    shape.FillColor = fill;
    shape.BorderColor = border;
}

}  // namespace

SceneForm::SceneForm(Game& game)
    : forms::Form(game.timers, Name),
      Picture1(add(Kind::PictureBox, "Picture1", 0, 0, 9600, 5700)),
      Image1(add(Kind::Image, "Image1", 0, 5700, 9600, 1500)),
      Image2(add(Kind::Image, "Image2", 120, 5820, 600, 600)),
      Image3(add(Kind::Image, "Image3", 840, 5820, 600, 600)),
      Image4(add(Kind::Image, "Image4", 1560, 5820, 600, 600)),
      Image5(add(Kind::Image, "Image5", 2280, 5820, 600, 600)),
      Info1(label("Info1", "", 120, 6540, 2880, 330)),
      Info_Display(label("Info_Display", "", 3360, 5760, 3255, 375)),
      ZoneSlack(label("ZoneSlack", "", 3360, 6145, 735, 135)),
      ZoneOver(label("ZoneOver", "", 6000, 6145, 615, 135)),
      HerboLine(label("HerboLine", "", 3360, 6280, 1695, 135)),
      RigCaption(label("RigCaption", "режим ловли", 7680, 5850, 1800, 300)),
      Butt_Popl(label("Butt_Popl", "поплавок", 7800, 6210, 1440, 300)),
      Butt_Bles(label("Butt_Bles", "блесна", 7800, 6570, 1440, 300)),
      Prikormka(add(Kind::Shape, "Prikormka", 4440, 5520, 135, 135)),
      Volna(add(Kind::Shape, "Volna", 3840, 5520, 375, 135)),
      Speening(add(Kind::Image, "Speening", 6000, 1200, 3000, 4500)),
      popl(array(Kind::Shape, "popl", 5640, 2640, 15, 15)),
      SLED(add(Kind::Shape, "SLED", 5640, 2640, 15, 15)),
      Duel_Console(add(Kind::ListBox, "Duel_Console", 120, 120, 4200, 1500)),
      Duel_Vremya(label("Duel_Vremya", "", 120, 1680, 2400, 255)),
      HelpFr(add(Kind::Frame, "HelpFr", -2550, 2520, 2535, 3015)),
      HelpBack(add(Kind::Image, "HelpBack", 0, 0, 2535, 3015, &HelpFr)),
      HelpLine(array(Kind::Label, "HelpLine", 120, 120, 2300, 285, &HelpFr)),
      Frame_Winner(add(Kind::Frame, "Frame_Winner", 2400, 1500, 4800, 2700)),
      Label12(label("Label12", "Результаты состизания", 240, 240, 4320, 330, &Frame_Winner)),
      Rez_Prize(label("Rez_Prize", "", 240, 720, 4320, 330, &Frame_Winner)),
      Rez_Sop(label("Rez_Sop", "", 240, 1140, 4320, 330, &Frame_Winner)),
      Rez_you(label("Rez_you", "", 240, 1560, 4320, 330, &Frame_Winner)),
      Label13(label("Label13", "OK", 2040, 2160, 720, 330, &Frame_Winner)),
      Actions_T(timer("Actions_T", 300, [&game] { ActionsTick(game); })),
      Klev_T(timer("Klev_T", 200, [&game] { NibbleTick(game); })),
      Fish_Act_T(timer("Fish_Act_T", 100, [&game] { FishPullTick(game); })),
      Napryazhenie_T(timer("Napryazhenie_T", 50, [&game] { RelaxTension(game); })),
      Speen_AnimationT(timer("Speen_AnimationT", 50, [&game] { AnimationTick(game); })),
      Add_Prik_T(timer("Add_Prik_T", 50, [&game] { GroundbaitTick(game); })),
      Show_TExt_T(timer("Show_TExt_T", 4000, [this] {
          Info_Display.Caption = "";
          Show_TExt_T.setEnabled(false);
      })),
      HelpTimer(timer("HelpTimer", 30, [this] { HelpTimerTick(); })),
      Sound_T(timer("Sound_T", 15000, [&game] { AmbientSoundTick(game); })),
      Duel_T(timer("Duel_T", 1000, [] {})),
      Tur_T(timer("Tur_T", 1000, [] {})),
      game_(game) {
    Width = 9600;
    Height = 7200;
    Source& source = game.window<Source>();

    Picture1.Stretch = true;
    const std::pair<forms::Control*, const char*> pictures[] = {
        {&Image1, "panel"},     {&Image2, "icon_map"},  {&Image3, "icon_things"},
        {&Image4, "icon_fish"}, {&Image5, "icon_help"}, {&HelpBack, "help_panel"}};
    for (auto [image, picture] : pictures) {
        image->Stretch = true;
        image->setPicture(source.Fixed(picture));
    }

    Info_Display.ForeColor = LightYellow;
    Info_Display.Centered = true;
    Info_Display.FontBold = true;
    Info1.ForeColor = forms::White;
    RigCaption.ForeColor = forms::White;
    // The rig buttons say which rig is on by red and black text: give them a
    // light plate so both colours read on the dark panel.
    for (forms::Control* button : {&Butt_Popl, &Butt_Bles}) {
        button->BackTransparent = false;
        button->BackColor = 0xC8E4F0;
        button->Centered = true;
    }
    const std::pair<forms::Control*, forms::Color> bars[] = {
        {&ZoneSlack, LightBlue}, {&ZoneOver, LightRed}, {&HerboLine, Green}};
    for (auto [bar, colour] : bars) {
        bar->BackTransparent = false;
        bar->BackColor = colour;
    }

    Paint(Prikormka, forms::ShapeKind::Circle, 0x2F5F8F, 0x1F3F5F);
    Prikormka.Tag = "0";
    Prikormka.Visible = false;
    Paint(Volna, forms::ShapeKind::Oval, 0xF0E0C0, forms::White);
    Volna.Filled = false;
    Volna.Visible = false;

    Paint(popl[0], forms::ShapeKind::Rectangle, forms::White, forms::White);
    forms::Control& antenna = popl.load(1);
    antenna.Left = 5640;
    antenna.Top = 2520;
    antenna.Height = 135;
    Paint(antenna, forms::ShapeKind::Rectangle, forms::Red, forms::Red);
    antenna.Visible = true;
    Paint(SLED, forms::ShapeKind::Square, 0x203040, 0x101820);

    Duel_Console.Visible = false;
    Duel_Vremya.Visible = false;
    Duel_Vremya.ForeColor = LightYellow;

    HelpLine[0].Caption = HelpTexts[0];
    HelpLine[0].FontBold = true;
    HelpLine[0].Centered = true;
    for (int i = 1; i < int(std::size(HelpTexts)); ++i) {
        forms::Control& line = HelpLine.load(i);
        line.Caption = HelpTexts[i];
        line.Top = float(480 + (i - 1) * 270);
        line.Height = 255;
        line.FontBold = false;
        line.Centered = false;
        line.Visible = true;
    }

    Frame_Winner.Visible = false;
    Label12.FontBold = true;
    Label12.Centered = true;
    Label13.Centered = true;
    Label13.FontBold = true;

    on("", Event::KeyPress, [this](const forms::EventArgs& a) { KeyPress(a.code); });
    on("", Event::KeyDown, [&game](const forms::EventArgs& a) {
        if (a.code == 71) StartReel(game);
    });
    on("", Event::KeyUp, [&game](const forms::EventArgs& a) {
        if (a.code == 71) StopReel(game);
    });

    on("Image2", Event::MouseMove, [this] { Info1.Caption = "карта"; });
    on("Image3", Event::MouseMove, [this] { Info1.Caption = "Вещи"; });
    on("Image4", Event::MouseMove, [this] { Info1.Caption = "Моя рыба"; });
    on("Image1", Event::MouseMove, [this] {
        Butt_Popl.FontBold = false;
        Butt_Bles.FontBold = false;
        Info1.Caption = "";
    });
    on("Butt_Popl", Event::MouseMove, [this] {
        Butt_Popl.FontBold = true;
        Butt_Bles.FontBold = false;
    });
    on("Butt_Bles", Event::MouseMove, [this] {
        Butt_Bles.FontBold = true;
        Butt_Popl.FontBold = false;
    });
    on("Butt_Popl", Event::Click, [this] { SetRig(true); });
    on("Butt_Bles", Event::Click, [this] { SetRig(false); });
    on("Image5", Event::MouseMove, [this] {
        game_.fishing.HelpSlideIn = true;
        HelpTimer.setEnabled(true);
    });
    on("Picture1", Event::MouseMove, [this] { Picture1_MouseMove(); });
    on("Image2", Event::Click, [this] { Image2_Click(); });
    on("Image3", Event::Click, [&game] { OpenInventoryFromScene(game); });
    on("Image4", Event::Click, [&game] { ShowCaughtFish(game); });
    on("Label13", Event::Click, [this] { Label13_Click(); });
}

void SceneForm::KeyPress(int code) {
    switch (code) {
        case 32: CastRod(game_); break;
        case 13: StartStrike(game_); break;
        case 110:
        case 242: ThrowGroundbait(game_); break;
        case 120: CutLine(game_); break;
        default: break;  // upper-case N and X, and every other key, do nothing
    }
}

void SceneForm::SetRig(bool floatRig) {
    game_.save.RigMode = floatRig ? Rig::Float : Rig::Lure;
    Butt_Popl.ForeColor = floatRig ? forms::Red : forms::Black;
    Butt_Bles.ForeColor = floatRig ? forms::Black : forms::Red;
}

void SceneForm::Picture1_MouseMove() {
    if (!game_.fishing.HelpShown) return;
    game_.fishing.HelpSlideOut = true;
    HelpTimer.setEnabled(true);
    game_.fishing.HelpShown = false;
}

void SceneForm::HelpTimerTick() {
    auto settle = [&] {
        game_.fishing.HelpSlideIn = false;
        game_.fishing.HelpSlideOut = false;
        game_.fishing.HelpShown = true;
        HelpTimer.setEnabled(false);
    };
    if (game_.fishing.HelpSlideIn) {
        if (HelpFr.Left >= 0) {
            settle();
            return;
        }
        HelpFr.Left += 130;
    }
    if (game_.fishing.HelpSlideOut) {
        if (HelpFr.Left <= -2540) {
            settle();
        } else {
            HelpFr.Left -= 300;
        }
    }
}

void SceneForm::Image2_Click() {
    if (game_.fishing.Snagged) {
        ShowInfo(game_, "Обрежь леску(X)");
        return;
    }
    if (game_.duel.InDuel || game_.tournament.InTournament) return;
    Sound_T.setEnabled(false);
    ResetTackle(game_);
    HideTackleOnLeave(game_);
    game_.fishing.GroundbaitPower = 0;
    game_.form("Form1").Show();  // the main screen sits above the scene
    Hide();
}

void SceneForm::Label13_Click() {
    ResetTackle(game_);
    game_.form("Form1").Show();  // the main screen sits above the scene
    Frame_Winner.Visible = false;
}

void SceneForm::QueryClose() {
    SaveGameState(game_);
    game_.End();
}

}  // namespace klev
