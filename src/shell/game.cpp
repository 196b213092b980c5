#include "shell/game.h"

#include <cmath>
#include <stdexcept>

#include "data/game_folder.h"
#include "data/numbers.h"
#include "shell/journal.h"

namespace klev {

Game::Game(GameConfig config_, Services services_, WindowTable windows)
    : config(std::move(config_)), services(services_), kinds_(windows), windows_(windows.size()) {}

Game::~Game() = default;

forms::Form* Game::formByName(std::string_view name) {
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        if (name != kinds_[i].name) continue;
        if (!windows_[i]) {
            windows_[i] = kinds_[i].make(*this);
            created_.push_back(windows_[i].get());
        }
        return windows_[i].get();
    }
    return nullptr;
}

forms::Form& Game::form(std::string_view name) {
    forms::Form* f = formByName(name);
    if (!f) throw std::out_of_range("no window " + std::string(name));
    return *f;
}

bool Game::knowsWindow(std::string_view name) const {
    for (const WindowKind& kind : kinds_)
        if (name == kind.name) return true;
    return false;
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
