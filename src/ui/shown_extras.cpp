#include "ui/shown_extras.h"

#include <algorithm>
#include <map>

#include "base/inventory.h"
#include "base/shop_fr.h"
#include "base/shop_rules.h"
#include "data/numbers.h"
#include "scene/tackle.h"
#include "shell/game.h"
#include "ui/control_view.h"

namespace ui {

namespace {

bool IsBareNumber(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The item in `slot` of `owned` (1-based), or null when the slot is empty
// or points past the list.
const klev::TackleItem* InUse(const std::vector<klev::TackleItem>& owned, klev::Long slot) {
    return slot >= 1 && slot <= klev::Long(owned.size()) ? &owned[std::size_t(slot - 1)] : nullptr;
}

}  // namespace

FormWindow::Adjust SceneShown(const klev::Game& game) {
    return [&game](const forms::Control& c, FormWindow::Shown shown) {
        const klev::FishingState& f = game.fishing;
        if (c.name() == "HerboLine" && !f.Hooked && f.Tension == 0)
            shown.geometry.setWidth(PixelsOf(klev::BarAtRest));
    };
}

FormWindow::Adjust InventoryShown(klev::Game& game) {
    // Pictures read once per file, as the window keeps the one it was given.
    auto pictures = std::make_shared<std::map<std::string, std::shared_ptr<const forms::Image>>>();
    auto picture = [&game, pictures](const std::string& path) {
        auto [at, added] = pictures->try_emplace(path);
        if (added) at->second = klev::LoadItemPicture(game, path).image;
        return at->second;
    };
    return [&game, picture](const forms::Control& c, FormWindow::Shown shown) {
        const klev::SaveData& s = game.save;
        const std::string& name = c.name();
        if (name == "Sp_pic" || name == "Bles_Pic" || name == "Nas_pic" || name == "Prik_Pic") {
            if (shown.image) return;
            if (name == "Sp_pic") {
                if (auto* rod = InUse(s.OwnedRods, s.RodSlot)) shown.image = picture("\\images\\sp_" + rod->Name + ".jpg");
            } else if (name == "Bles_Pic") {
                if (auto* lure = InUse(s.OwnedLures, s.LureSlot)) shown.image = picture("\\images\\bl_" + lure->Name + ".jpg");
            } else if (name == "Nas_pic") {
                if (auto* bait = InUse(s.OwnedBaits, s.BaitSlot)) shown.image = picture("\\images\\" + bait->Name + ".jpg");
            } else if (auto* groundbait = InUse(s.OwnedGroundbaits, s.GroundbaitSlot)) {
                shown.image = game.window<klev::ShopFr>().prik_im[klev::GroundbaitPack(*groundbait)].picture().image;
            }
        } else if (name == "Nas_Kol" || name == "Prik_Kol") {
            if (IsBareNumber(shown.caption)) shown.caption = "Осталось: " + shown.caption;
        } else if (name == "Leska_Kol") {
            if (IsBareNumber(shown.caption)) shown.caption = "Осталось: " + shown.caption + " м";
        } else if (name == "Leska_Naz") {
            if (auto* line = InUse(s.OwnedLines, s.LineSlot); line && shown.caption.empty()) shown.caption = line->Name;
        } else if (name == "Bles_Raz") {
            if (auto* lure = InUse(s.OwnedLures, s.LureSlot); lure && shown.caption.empty())
                shown.caption = "Размер: " + lure->SizeName;
        }
    };
}

}  // namespace ui
