#include "shell/save_game.h"

#include <exception>

#include "data/game_folder.h"
#include "data/records_file.h"
#include "data/save_file.h"
#include "data/text_file.h"
#include "shell/game.h"

namespace klev {
namespace {

std::filesystem::path SavePath(const Game& game) {
    return game.path("\\Saves") / std::filesystem::path(game.vars.PlayerName) / "vrb.cfg";
}

}  // namespace

void SaveGameState(Game& game) {
    try {
        data::ReplaceFile(SavePath(game), data::SaveFileBytes(game.vars));
        data::ReplaceFile(game.path("\\Data\\rec.cfg"), data::RecordBookBytes(game.vars.RecordBook));
    } catch (const std::exception&) {
        game.services.dialogs.MsgBox("Ошибка при сохранении игры", forms::MessageIcon::Error, "Клевница 2");
    }
}

void LoadGameState(Game& game) {
    const std::string shown = "\\Saves\\" + game.vars.PlayerName + "\\vrb.cfg";
    data::ReadSaveFile(SavePath(game), shown, game.vars, game.sep());
}

}  // namespace klev
