#pragma once
// The inventory `InvenFr`: five boxes (rod, line, lure, bait, groundbait).
// Pressing the mouse on a box pops up the pick list `List1` with the names
// of the owned items of that kind at the click point; clicking an entry puts
// that item in use. Rods and lines are found by name (the first of equal
// names wins), lures, baits and groundbait by list position.

#include <string>

#include "forms/form.h"
#include "model/records.h"

namespace klev {

class Game;

class InvenFr : public forms::Form {
public:
    static constexpr const char* Name = "InvenFr";
    explicit InvenFr(Game& game);

    forms::Control& Label6;  // what the window is for

    forms::Control& Frame_Sp;  // "Спининг"
    forms::Control& Sp_pic;
    forms::Control& But_SP;    // opener of the rods

    forms::Control& Frame_Leska;  // "Леска"
    forms::Control& Leska_Naz;    // name of the line in use
    forms::Control& Leska_Kol;    // what is left of it
    forms::Control& Label2;       // opener of the lines

    forms::Control& Frame_Bles;  // "Блесна"
    forms::Control& Bles_Pic;
    forms::Control& Bles_Raz;    // size of the lure in use
    forms::Control& Label1;      // opener of the lures

    forms::Control& Frame_Nas;  // "Насадка"
    forms::Control& Nas_pic;
    forms::Control& Nas_Kol;    // portions left
    forms::Control& Label3;     // opener of the baits

    forms::Control& Frame_Prik;  // "Прикормка"
    forms::Control& Prik_Pic;
    forms::Control& Prik_Kol;    // portions left
    forms::Control& Label4;      // opener of the groundbait

    forms::Control& Label5;  // "выход"
    forms::Control& List1;   // the pick list, hidden until a box is pressed

    // Clears the five pick-list flags InvShows*.
    void Own_Inv();
    void reflect(forms::VarVisitor& v) override;
    // The title-bar close does what the exit label does.
    void QueryClose() override { Label5_Click(); }

private:
    enum class PickKind { Rods, Lines, Lures, Baits, Groundbaits };
    void OpenPickList(PickKind kind, float left, float top);
    void List1_Click();
    bool ChooseRod(const std::string& text);
    void ChooseLure(Long k);
    void ChooseBait(Long k);
    void ChooseGroundbait(Long k);
    void ChooseLine(const std::string& text);
    void Label5_Click();
    Game& game_;
    // Which kind of tackle the pick list shows.
    bool InvShowsRods = false, InvShowsLines = false, InvShowsLures = false, InvShowsBaits = false,
         InvShowsGroundbaits = false;
};

}  // namespace klev
