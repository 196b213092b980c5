#pragma once
// Window `Tur_Result`.

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

    forms::Control& Image1;

private:
    Game& game_;
};

}  // namespace klev
