#pragma once
// What the two programs ask of the operating system once, at start.

#include <filesystem>

namespace klev {

// The folder of the running executable: the game folder.
std::filesystem::path ExecutableFolder();
// Where the first-run marker goes: the game's XDG config folder.
std::filesystem::path DefaultSystemFolder();
// The user's decimal separator, from the locale of the environment.
char UserDecimalSeparator();

}  // namespace klev
