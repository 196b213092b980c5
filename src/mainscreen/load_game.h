#pragma once
// The start-up: the name prompt and the loaders, in their fixed order.

#include <string>

namespace klev {

class Game;

// Asks the player's name until the trimmed answer is not empty and the name
// can be a folder name; stores it as typed in PlayerName.
void AskPlayerName(Game& game);
// Whether `name` can safely name the player's save folder.
bool IsSafeFolderName(const std::string& name);

void LoadAll(Game& game);
void OpenPlayerSave(Game& game);
void LoadConfig(Game& game);
void LoadPictures(Game& game);
void AssignBasePictures(Game& game);
void LoadSpecies(Game& game);
void LoadCatalogs(Game& game);
void LoadMaps(Game& game);
void ShowMap(Game& game);
void InitDefaults(Game& game);
void LoadRecordBook(Game& game);

}  // namespace klev
