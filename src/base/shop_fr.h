#pragma once
// The tackle shop `ShopFr`: five sections (rods, lines, baits, lures,
// groundbait) chosen with the selector `Razdel_B(0..4)`. A click on a list
// entry shows its price (and picture); a double click buys it. Lures are
// bought in two steps: a double click moves the size list below the lure
// list, a click on a size buys. The catalog loader fills the four lists at
// start-up; they are never refilled.

#include <string>
#include <vector>

#include "forms/form.h"
#include "base/shop_rules.h"
#include "model/records.h"

namespace klev {

class Game;

class ShopFr : public forms::Form {
public:
    static constexpr const char* Name = "ShopFr";
    explicit ShopFr(Game& game);

    // The selector panel and its five labels: 0 rods, 1 lines, 2 baits,
    // 3 lures, 4 groundbait. The chosen one stands out at Left 200.
    forms::Control& Picture1;
    forms::ControlArray& Razdel_B;

    forms::Control& Frame_Udochki;
    forms::Control& List_Sp;
    forms::Control& Sp_Cena;
    forms::Control& Sp_Prochnost;
    forms::Control& Sp_pic;

    forms::Control& Frame_Leska;
    forms::Control& List_Leska;
    forms::Control& Lsk_Cena;
    forms::Control& Leska_Pic;

    forms::Control& Frame_Nas;
    forms::Control& List_Nas;
    forms::Control& Nas_Cena;
    forms::Control& Pic_Nas;

    forms::Control& Frame_Bles;
    forms::Control& List_Bles;
    forms::Control& List_Select;  // sizes; Top 1560 over the lure list, 2160 below it
    forms::Control& Bles_Cena;
    forms::Control& Pic_Bles;

    forms::Control& Frame_Prik;
    forms::ControlArray& prik_im;  // the four packs; Tag is the price in dollars
    forms::Control& Prik_Cena;
    forms::Control& Label3;  // what groundbait is for

    forms::Control& Label_Money;
    forms::Control& Info;    // result of the last purchase
    forms::Control& Label4;  // how to buy
    forms::Control& Label5;  // "выход"

    // The state every visit starts in: rods section chosen, money refreshed.
    void OpenOnRods();

    // Lists the loaded catalogs: names, and the lines by the texts their
    // reader made (a line of lsk.cfg without ";" has none).
    void ShowCatalogs(const std::vector<std::string>& lineTexts);

private:
    forms::Control& Frame(int index);
    void ChooseSection(int index);
    void BoldSection(int index);
    void ShowMoney();
    // Buys through the shop's rules and says "Куплено!" or "Нет денег!";
    // nothing is said when the list names nothing to buy.
    Sale Order(Goods kind, const std::string& listText, const std::string& size = {}, int pack = 0);

    void List_Sp_Click();
    void List_Sp_DblClick();
    void List_Leska_Click();
    void List_Leska_DblClick();
    void List_Nas_Click();
    void List_Nas_DblClick();
    void List_Bles_Click();
    void List_Select_Click();
    void prik_im_DblClick(int index);

    Game& game_;
};

}  // namespace klev
