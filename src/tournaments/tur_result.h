#pragma once
// The result window `Tur_Result` («Турнир окончен»): the cup picture, the
// player's line Igrok(0) and the regulars' lines Igrok(1..4), and the close
// label.

#include "forms/form.h"

namespace klev {

class Game;

class Tur_Result : public forms::Form {
public:
    static constexpr const char* Name = "Tur_Result";
    // The stock pictures this window shows, by tag.
    static constexpr const char* StockTags[] = {"kubok"};
    void takeStockPicture(std::string_view tag, const forms::Bitmap& p) override;
    explicit Tur_Result(Game& game);

    forms::Control& Image1;        // the whole window's picture
    forms::ControlArray& Igrok;    // 0: the player; 1..4: the regulars
    forms::Control& Label3;        // "Закрыть"

private:
    Game& game_;
};

}  // namespace klev
