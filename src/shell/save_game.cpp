#include "shell/save_game.h"

#include <exception>

#include "data/game_folder.h"
#include "data/records_file.h"
#include "data/save_file.h"
#include "data/text_file.h"
#include "shell/game.h"

namespace klev {
namespace {

std::string SaveName(const Game& game) { return "\\Saves\\" + game.save.PlayerName + "\\vrb.cfg"; }

// The new content replaces a file that must be there, as the old one is
// replaced rather than created: a missing file is an error of the save.
void ReplaceExisting(const std::filesystem::path& file, const std::string& bytes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) throw std::runtime_error("file not found: " + file.string());
    data::ReplaceFile(file, bytes);
}

}  // namespace

void SaveGameState(Game& game) {
    try {
        ReplaceExisting(game.path(SaveName(game)), data::SaveFileBytes(game.save));
        ReplaceExisting(game.path("\\Data\\rec.cfg"), data::RecordBookBytes(game.book.RecordBook));
    } catch (const std::exception&) {
        game.services.dialogs.MsgBox("Ошибка при сохранении игры", forms::MessageIcon::Error, "Клевница 2");
    }
}

void LoadGameState(Game& game) {
    const std::string shown = SaveName(game);
    data::ReadSaveFile(game.path(shown), shown, game.save, game.sep());
}

}  // namespace klev
