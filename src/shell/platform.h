#pragma once
// What the two programs ask of the operating system once, at start.

#include <filesystem>

namespace klev {

// The folder of the running executable: the game folder.
std::filesystem::path ExecutableFolder();
// The game's data to read: the folder of the executable when it holds the
// game ("conf.cfg" beside it, as in the build), else the installed data
// folder "<prefix>/share/klevnitsa" beside "<prefix>/bin". "conf.cfg" in
// another case counts only where there is no installed data folder.
std::filesystem::path InstalledDataFolder();
// The same for the program in the folder `exe`.
std::filesystem::path InstalledDataFolder(const std::filesystem::path& exe);
// The player's data folder: $XDG_DATA_HOME/klevnitsa, by default
// ~/.local/share/klevnitsa.
std::filesystem::path PlayerDataFolder();
// Makes `player` ready for play on the data of `game`: creates it and its
// "Saves", and copies "conf.cfg" and "Data/rec.cfg" from the game where the
// player has none yet. Never overwrites a file. False when a folder or file
// could not be made.
bool SeedPlayerFolder(const std::filesystem::path& game, const std::filesystem::path& player);
// Where the first-run marker goes: the game's XDG config folder.
std::filesystem::path DefaultSystemFolder();
// The user's decimal separator, from the locale of the environment.
char UserDecimalSeparator();

}  // namespace klev
