#include "bar/duel_select.h"

#include "bar/duel.h"
#include "shell/game.h"

namespace klev {

using forms::Event;
using forms::Kind;

namespace {

constexpr forms::Color ButtonFace = 0xC8D0D4;  // the system's button face (212, 208, 200)
constexpr forms::Color LightGreen = 0xC0FFC0;

}  // namespace

Duel_Select::Duel_Select(Game& game)
    : forms::Form(game.timers, Name),
      Label1(label("Label1", "Дуэль", 240, 120, 4320, 420)),
      Label3(label("Label3", "вознаграждение", 240, 720, 2160, 330)),
      Text1(add(Kind::TextBox, "Text1", 2520, 690, 2040, 375)),
      Label2(label("Label2", "условия победы", 240, 1260, 2160, 330)),
      Duel_T(add(Kind::ComboBox, "Duel_T", 2520, 1230, 2040, 375)),
      Label4(label("Label4", "начать", 480, 1920, 1680, 375)),
      Label5(label("Label5", "отмена", 2640, 1920, 1680, 375)),
      Info(label("Info", "", 240, 2460, 4320, 330)),
      game_(game) {
    Caption = "Дуэль";
    Width = 4800;
    Height = 3000;
    BackColor = ButtonFace;
    Label1.FontSize = 14;
    Label1.FontBold = true;
    Label1.Centered = true;
    Text1.Text = "100";
    for (const char* item : {"общий вес", "самай крупная рыба", "колличество"}) Duel_T.addItem(item);
    Duel_T.Text = "общий вес";
    for (forms::Control* button : {&Label4, &Label5}) {
        button->Centered = true;
        button->FontBold = true;
        button->BackTransparent = false;
        button->BackColor = ButtonFace;
    }
    Info.ForeColor = 0x0000C0;
    Info.Centered = true;

    on("Label4", Event::MouseMove, [this] { Label4.BackColor = LightGreen; });
    on("Label5", Event::MouseMove, [this] { Label5.BackColor = LightGreen; });
    on("", Event::MouseMove, [this] {
        Label4.BackColor = ButtonFace;
        Label5.BackColor = ButtonFace;
    });
    on("Label4", Event::Click, [this] { Label4_Click(); });
    on("Label5", Event::Click, [this] { Hide(); });
}

void Duel_Select::Label4_Click() {
    switch (StartDuel(game_, Text1.Text, Duel_T.Text)) {
    case DuelStart::OverLimit: Info.Caption = "100 максимально"; break;
    case DuelStart::Negative: Info.Caption = "Ставка не может быть отрицательной"; break;
    case DuelStart::NoMoney: Info.Caption = "Нет таких денег"; break;
    case DuelStart::Accepted: break;
    }
}

}  // namespace klev
