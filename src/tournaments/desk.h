#pragma once
// Window `Desk`.

#include "forms/form.h"

namespace klev {

class Game;

class Desk : public forms::Form {
public:
    static constexpr const char* Name = "Desk";
    // The stock pictures this window shows, by tag.
    static constexpr const char* StockTags[] = {"wood"};
    void takeStockPicture(std::string_view tag, const forms::Bitmap& p) override;
    explicit Desk(Game& game);



private:
    Game& game_;
};

}  // namespace klev
