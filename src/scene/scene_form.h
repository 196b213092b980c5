#pragma once
// The fishing scene window `SceneForm`: the place picture, the rod, the float
// and the tackle marker, the bottom panel with its icons, the tension bar,
// the info line, the rig switch, the sliding help panel, the groundbait ball
// and its splash ring, the duel and tournament consoles and the duel result
// frame; its timers and its key and mouse handlers. The handlers only route
// to the procedures: tackle.h (shared helpers) under fish_search.h,
// breakage.h, groundbait.h, fight.h and rod.h.

#include "forms/form.h"

namespace klev {

class Game;

class SceneForm : public forms::Form {
public:
    static constexpr const char* Name = "SceneForm";
    explicit SceneForm(Game& game);

    forms::Control& Picture1;  // the place picture
    forms::Control& Image1;    // bottom panel; hovering it clears the hover effects
    forms::Control& Image2;    // map: leaves the scene
    forms::Control& Image3;    // things: the inventory
    forms::Control& Image4;    // my fish: the caught-fish window
    forms::Control& Image5;    // help: slides the help panel in
    forms::Control& Info1;     // hover caption of the icons
    forms::Control& Info_Display;  // the info line
    forms::Control& ZoneSlack;     // scale mark above the tension bar (slack)
    forms::Control& ZoneOver;      // scale mark above the tension bar (overload)
    forms::Control& HerboLine;     // the tension bar; its Width shows the tension
    forms::Control& RigCaption;    // "режим ловли"
    forms::Control& Butt_Popl;
    forms::Control& Butt_Bles;
    forms::Control& Prikormka;  // groundbait ball; Tag shows its sideways speed
    forms::Control& Volna;      // splash ring of the groundbait
    forms::Control& Speening;   // the rod
    forms::ControlArray& popl;  // float body (0) and antenna (1)
    forms::Control& SLED;       // where the tackle lies in the water
    forms::Control& Duel_Console;
    forms::Control& Duel_Vremya;
    forms::Control& HelpFr;     // help panel, starts off-screen to the left
    forms::Control& HelpBack;   // its background picture
    forms::ControlArray& HelpLine;  // its lines, title first
    forms::Control& Frame_Winner;   // duel result panel
    forms::Control& Label12;        // its title
    forms::Control& Rez_Prize;
    forms::Control& Rez_Sop;
    forms::Control& Rez_you;
    forms::Control& Label13;  // "OK"

    forms::Timer& Actions_T;         // fish search
    forms::Timer& Klev_T;            // nibble and bite
    forms::Timer& Fish_Act_T;        // fish pull
    forms::Timer& Napryazhenie_T;    // tension relaxes
    forms::Timer& Speen_AnimationT;  // cast, strike and reel steps
    forms::Timer& Add_Prik_T;        // groundbait flight and splash
    forms::Timer& Show_TExt_T;       // clears the info line
    forms::Timer& HelpTimer;         // slides the help panel
    forms::Timer& Sound_T;           // ambient sound
    forms::Timer& Duel_T;            // duel clock (its tick is the duel's, app/windows.cpp)
    forms::Timer& Tur_T;             // tournament clock (its tick is the tournament's)

    // The title-bar close saves the game like the main screen's exit and
    // ends it.
    void QueryClose() override;

private:
    void KeyPress(int code);
    void HelpTimerTick();
    void Image2_Click();
    void Label13_Click();
    void SetRig(bool floatRig);
    void Picture1_MouseMove();
    Game& game_;
};

}  // namespace klev
