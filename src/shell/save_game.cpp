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
std::string BackupName(const Game& game) { return "\\Saves\\" + game.save.PlayerName + "\\vrb.bak"; }

// The new content replaces a file that must be there, as the old one is
// replaced rather than created: a missing file is an error of the save.
void ReplaceExisting(const std::filesystem::path& file, const std::string& bytes, const std::filesystem::path& backup) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) throw std::runtime_error("file not found: " + file.string());
    data::ReplaceFile(file, bytes, backup);
}

std::uintmax_t SizeOf(const std::filesystem::path& file) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    return ec ? 0 : size;
}

}  // namespace

void SaveGameState(Game& game) {
    try {
        ReplaceExisting(game.path(SaveName(game)), data::SaveFileBytes(game.save), game.path(BackupName(game)));
        ReplaceExisting(game.path("\\Data\\rec.cfg"), data::RecordBookBytes(game.book.RecordBook),
                        game.path("\\Data\\rec.bak"));
    } catch (const std::exception&) {
        game.services.dialogs.MsgBox("Ошибка при сохранении игры", forms::MessageIcon::Error, "Клевница 2");
    }
}

void LoadGameState(Game& game) {
    const std::string shown = SaveName(game), backupShown = BackupName(game);
    const std::filesystem::path file = game.path(shown), backup = game.path(backupShown);
    SaveData loaded = game.save;
    try {
        // An empty save with a backup beside it is a save cut short (a power
        // cut), not a new player: a new player has no backup yet.
        if (SizeOf(file) == 0 && SizeOf(backup) > 0) {
            std::error_code ec;
            if (std::filesystem::exists(file, ec) && !std::filesystem::is_directory(file, ec))
                throw data::FatalError(shown + ": the file is empty");
        }
        data::ReadSaveFile(file, shown, loaded, game.sep());
    } catch (const data::FatalError&) {
        if (SizeOf(backup) == 0) throw;
        const std::exception_ptr fault = std::current_exception();
        SaveData previous = game.save;
        try {
            data::ReadSaveFile(backup, backupShown, previous, game.sep());
        } catch (const data::FatalError&) {
            std::rethrow_exception(fault);  // neither is sound: the save's own fault is reported
        }
        game.save = std::move(previous);
        game.services.dialogs.MsgBox(
            "Файл сохранения повреждён. Загружена предыдущая сохранённая игра.",
            forms::MessageIcon::Information, "Клевница 2");
        return;
    }
    game.save = std::move(loaded);
}

}  // namespace klev
