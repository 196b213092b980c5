#pragma once
// Window `Kafe`.

#include "forms/form.h"

namespace klev {

class Game;

class Kafe : public forms::Form {
public:
    static constexpr const char* Name = "Kafe";
    // The stock pictures this window shows, by tag.
    static constexpr const char* StockTags[] = {"bar", "pubcrew"};
    void takeStockPicture(std::string_view tag, const forms::Bitmap& p) override;
    explicit Kafe(Game& game);

    forms::Control& Image1;  // the four regulars


private:
    Game& game_;
};

}  // namespace klev
