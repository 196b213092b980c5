#pragma once
// Window `Tour_Form`.

#include "forms/form.h"

namespace klev {

class Game;

class Tour_Form : public forms::Form {
public:
    static constexpr const char* Name = "Tour_Form";
    // The stock pictures this window shows, by tag.
    static constexpr const char* StockTags[] = {"tourinfo"};
    void takeStockPicture(std::string_view tag, const forms::Bitmap& p) override;
    explicit Tour_Form(Game& game);



private:
    Game& game_;
};

}  // namespace klev
