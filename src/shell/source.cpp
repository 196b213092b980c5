#include "shell/source.h"

#include "shell/embedded_pictures.h"
#include "shell/game.h"

namespace klev {

Source::Source(Game& game)
    : forms::Form(game.timers, Name),
      Pic(array(forms::Kind::Image, "Pic", 0, 0, 0, 0)),
      game_(game) {}

const forms::Bitmap& Source::Fixed(const std::string& name) {
    auto it = fixed_.find(name);
    if (it != fixed_.end()) return it->second;
    forms::Bitmap picture{name, nullptr};
    for (const EmbeddedPicture& e : EmbeddedPictures())
        if (name == e.name) {
            picture = forms::DecodePicture(e.begin, std::size_t(e.end - e.begin), name);
            break;
        }
    return fixed_.emplace(name, std::move(picture)).first->second;
}

long long Source::FindTag(const std::string& tag) const {
    const long long count = game_.loaded.PictureCount;
    if (indexedCount_ != count) {
        tags_.clear();
        for (long long i = 1; i <= count; ++i)
            if (Pic.loaded(int(i))) tags_.emplace(Pic[int(i)].Tag, i);  // the first keeps its place
        indexedCount_ = count;
    }
    const auto it = tags_.find(tag);
    if (it == tags_.end()) return 0;
    // A member unloaded or retagged since: the index is no longer the stock's.
    if (Pic.loaded(int(it->second)) && Pic[int(it->second)].Tag == tag) return it->second;
    indexedCount_ = -1;
    for (long long i = 1; i <= count; ++i)
        if (Pic.loaded(int(i)) && Pic[int(i)].Tag == tag) return i;
    return 0;
}

forms::Bitmap Source::StockPicture(long long index) const {
    if (index >= 1 && index <= game_.loaded.PictureCount && Pic.loaded(int(index))) return Pic[int(index)].picture();
    return Pic[0].picture();
}

}  // namespace klev
