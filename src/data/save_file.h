#pragma once
// The player's save "\Saves\<name>\vrb.cfg".

#include <filesystem>
#include <string>

#include "model/game_state.h"

namespace data {

// Reads the save into `save`. An empty file is a new player: PlayerMoney 50,
// nothing else changes. A truncated or malformed file throws FatalError
// naming the file and the line, and `save` is left untouched. A slot outside
// 0..count loads as 0; a negative count is malformed.
void ReadSaveFile(const std::filesystem::path& file, const std::string& shownName, klev::SaveData& save, char sep);

// The file's bytes for `save` (Windows-1251, CR LF).
std::string SaveFileBytes(const klev::SaveData& save);

}  // namespace data
