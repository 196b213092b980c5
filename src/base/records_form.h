#pragma once
// The records window `Records`: the records book as a list, filled by the
// base's records label, and the close label.

#include "forms/form.h"

namespace klev {

class Game;

class Records : public forms::Form {
public:
    static constexpr const char* Name = "Records";
    // The stock pictures this window shows, by tag.
    static constexpr const char* StockTags[] = {"wood2"};
    void takeStockPicture(std::string_view tag, const forms::Bitmap& p) override;
    explicit Records(Game& game);

    forms::Control& Label2;  // title
    forms::Control& List1;   // one line per records-book entry
    forms::Control& Label1;  // "Закрыть": hides the window

private:
    Game& game_;
};

}  // namespace klev
