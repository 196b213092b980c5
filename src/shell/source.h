#pragma once
// The hidden picture container `Source`: the picture stock `Pic(1..n)` and
// the program's fixed pictures (rod frames, `Empty_Pic`, `Sc_a` ...).

#include <map>
#include <string>
#include <unordered_map>

#include "forms/form.h"

namespace klev {

class Game;

class Source : public forms::Form {
public:
    static constexpr const char* Name = "Source";
    explicit Source(Game& game);

    forms::ControlArray& Pic;  // the picture stock; member 0 is the designed blank

    // A fixed picture by its own name. Unknown names give a picture that
    // carries the name only.
    const forms::Bitmap& Fixed(const std::string& name);
    // Index 1..PictureCount of the first stock picture whose tag equals `tag`,
    // or 0. Looked up in an index of the tags, made when the stock has grown
    // since the last look-up: the loaders look up a picture for every species
    // and map, and the stock's tags are set once, when it is loaded.
    long long FindTag(const std::string& tag) const;
    // The picture of stock member `index` (member 0 for 0 or an unknown index).
    forms::Bitmap StockPicture(long long index) const;

private:
    Game& game_;
    std::map<std::string, forms::Bitmap> fixed_;
    mutable std::unordered_map<std::string, long long> tags_;  // tag -> first index
    mutable long long indexedCount_ = -1;                      // PictureCount when indexed
};

}  // namespace klev
