#pragma once
// The start-up: the name prompt and the loaders, in their fixed order.

#include <filesystem>
#include <functional>
#include <string>

#include "model/records.h"

namespace klev {

class Game;

// Asks the player's name until the trimmed answer is not empty, the name can
// be a folder name and "\Saves\" holds no file (only perhaps a folder) of
// that name; stores it as typed in PlayerName. A refused name is told in a
// message box and asked again.
void AskPlayerName(Game& game);
// Whether `name` can safely name the player's save folder on any system and
// stand in the Windows-1251 records book: no control characters (C0, C1),
// no bidirectional or zero-width characters or byte-order mark, no
// characters Windows-1251 cannot store, none of \ / < > : " | ? *, no
// trailing dot or blank, no device name, at most 255 bytes.
bool IsSafeFolderName(const std::string& name);

void LoadAll(Game& game);
void OpenPlayerSave(Game& game);
void LoadConfig(Game& game);
void LoadPictures(Game& game);
void AssignBasePictures(Game& game);
void LoadSpecies(Game& game);
void LoadCatalogs(Game& game);
// Reads one map file: (file, name shown in messages, decimal separator).
using MapFileReader = std::function<MapInfo(const std::filesystem::path&, const std::string&, char)>;
// Reads Info.inf and the map files; a map listed many times (in any letter
// case) has its file read once. `read` is data::ReadMapFile unless given.
void LoadMaps(Game& game, const MapFileReader& read = {});
void ShowMap(Game& game);
void InitDefaults(Game& game);
void LoadRecordBook(Game& game);

}  // namespace klev
