#pragma once
// The caught-fish window `Trofei`: the labels of the kept fish in
// `Fish_List`, and the picture, label and weight of one of them. A click on
// the list shows that fish, a double click releases it, `Label1` closes.
// ShowCaughtFish (catch_functions.h) fills and opens it.

#include "forms/form.h"
#include "model/records.h"

namespace klev {

class Game;

class Trofei : public forms::Form {
public:
    static constexpr const char* Name = "Trofei";
    explicit Trofei(Game& game);

    forms::Control& Fish_List;
    forms::Control& Fish_Pic;
    forms::Control& Fish_Imya;  // the fish's label
    forms::Control& Fish_Ves;   // its weight
    forms::Control& Label2;     // how to release a fish
    forms::Control& Label1;     // "Закрыть"

    // Clears the list and adds the label of every kept fish in keep-net order.
    void FillList();
    // Shows kept fish k (1-based) in the picture and the two labels.
    void ShowFish(Long k);

private:
    void Fish_List_Click();
    void Fish_List_DblClick();
    Game& game_;
};

}  // namespace klev
