#pragma once
// The main screen `Form1`: the map with its place markers, map switching,
// the base button, the credits, the exit, and the event timer `Sobitia`.

#include "forms/form.h"
#include "model/records.h"

namespace klev {

class Game;

class Form1 : public forms::Form {
public:
    static constexpr const char* Name = "Form1";
    // The stock pictures this window shows, by tag.
    static constexpr const char* StockTags[] = {"base(mini)", "back1"};
    void takeStockPicture(std::string_view tag, const forms::Bitmap& p) override;
    explicit Form1(Game& game);

    forms::Control& Image1;    // background
    forms::Control& Picture1;  // the map picture
    forms::Control& Label1;    // map title
    forms::ControlArray& PScene;  // place markers 1..n
    forms::Control& Label3;    // previous map
    forms::Control& Label4;    // next map
    forms::Control& Butt_base;
    forms::Control& Label2;
    forms::Control& Label6;  // "О программе"
    forms::Control& Label5;  // "Выход"
    forms::Control& Info;
    forms::Timer& Sobitia;

    void QueryClose() override;

    // Puts map `index` of MapList up as the map arrows do: the old markers
    // go, MapIndex and MapFolder follow, the map is shown with its markers.
    void SwitchMapTo(Long index);

private:
    void SwitchMap(int step);
    void PScene_Click(int index);
    void PScene_MouseMove(int index);
    void Label5_Click();
    Game& game_;
};

}  // namespace klev
