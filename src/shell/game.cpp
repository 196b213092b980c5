#include "shell/game.h"

#include <cmath>

#include "base/base_form.h"
#include "base/fish_ocenka.h"
#include "base/fishery.h"
#include "base/inven_fr.h"
#include "base/movie1.h"
#include "base/records_form.h"
#include "base/shop_fr.h"
#include "base/trofei.h"
#include "bar/kafe.h"
#include "data/game_folder.h"
#include "data/numbers.h"
#include "scene/scene_form.h"
#include "shell/about.h"
#include "shell/form1.h"
#include "shell/my_studio.h"
#include "shell/source.h"
#include "tournaments/desk.h"
#include "tournaments/tour_form.h"
#include "tournaments/tur_result.h"

namespace klev {

Game::Game(GameConfig config_, Services services_) : config(std::move(config_)), services(services_) {}

Game::~Game() = default;

template <class F>
F& Game::lazy(std::unique_ptr<F>& slot) {
    if (!slot) {
        slot = std::make_unique<F>(*this);
        created_.push_back(slot.get());
    }
    return *slot;
}

About& Game::about() { return lazy(about_); }
Form1& Game::form1() { return lazy(form1_); }
MyStudio& Game::myStudio() { return lazy(myStudio_); }
Source& Game::source() { return lazy(source_); }
SceneForm& Game::sceneForm() { return lazy(sceneForm_); }
Base& Game::base() { return lazy(base_); }
Movie1& Game::movie1() { return lazy(movie1_); }
ShopFr& Game::shopFr() { return lazy(shopFr_); }
InvenFr& Game::invenFr() { return lazy(invenFr_); }
Records& Game::records() { return lazy(records_); }
Fish_Ocenka& Game::fishOcenka() { return lazy(fishOcenka_); }
Fishery& Game::fishery() { return lazy(fishery_); }
Trofei& Game::trofei() { return lazy(trofei_); }
Kafe& Game::kafe() { return lazy(kafe_); }
Desk& Game::desk() { return lazy(desk_); }
Tour_Form& Game::tourForm() { return lazy(tourForm_); }
Tur_Result& Game::turResult() { return lazy(turResult_); }

const std::vector<std::string>& Game::FormNames() {
    static const std::vector<std::string> names = {
        "About",       "Form1",   "MyStudio", "Source", "SceneForm", "Base",      "Movie1",     "ShopFr", "InvenFr",
        "Records",     "Fish_Ocenka", "Fishery", "Trofei", "Kafe", "Desk", "Tour_Form", "Tur_Result"};
    return names;
}

forms::Form* Game::formByName(std::string_view name) {
    if (name == "About") return &about();
    if (name == "Form1") return &form1();
    if (name == "MyStudio") return &myStudio();
    if (name == "Source") return &source();
    if (name == "SceneForm") return &sceneForm();
    if (name == "Base") return &base();
    if (name == "Movie1") return &movie1();
    if (name == "ShopFr") return &shopFr();
    if (name == "InvenFr") return &invenFr();
    if (name == "Records") return &records();
    if (name == "Fish_Ocenka") return &fishOcenka();
    if (name == "Fishery") return &fishery();
    if (name == "Trofei") return &trofei();
    if (name == "Kafe") return &kafe();
    if (name == "Desk") return &desk();
    if (name == "Tour_Form") return &tourForm();
    if (name == "Tur_Result") return &turResult();
    return nullptr;
}

std::filesystem::path Game::path(std::string_view gamePath) const {
    return data::Resolve(data::IsPlayerFile(gamePath) && !config.playerFolder.empty() ? config.playerFolder : config.gameFolder,
                         gamePath);
}

std::string Game::numberText(double value) const { return data::NumberText(value, config.decimalSeparator); }

Long Game::Draw(Long n) { return Long(std::floor(Rnd() * double(n))) + 1; }

void Game::End() {
    ended_ = true;
    timers.stopAll();
    for (forms::Form* f : created_) f->Visible = false;
}

}  // namespace klev
