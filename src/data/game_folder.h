#pragma once
// Paths as the game builds them ("\Data\Maps\lake\conf.cfg"), resolved
// against the game folder without regard to letter case, and folder listings
// as the window system's file list gives them.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace data {

namespace fs = std::filesystem;

// Resolves a backslash path below `root`. Each component is matched exactly
// if it exists, else case-blind; a component that matches nothing is kept as
// written, so the result names where a new file would go. A path that could
// lead out of `root` (a ".." component, a drive, a NUL) is a FatalError.
fs::path Resolve(const fs::path& root, std::string_view gamePath);

// Why `part`, text from a data file that the game puts into a path (a map
// folder, an item name), cannot go there: a NUL, an absolute path (leading
// separator or drive) or a ".." component. nullptr when it can.
const char* PathPartProblem(std::string_view part);

// Whether a game path names what the player's play writes: "\Saves" and
// below, "\Data\rec.cfg" and "\conf.cfg" (letter case aside).
bool IsPlayerFile(std::string_view gamePath);

// File names (not folders) in `folder`, sorted by name without regard to
// case. Hidden files (leading ".") are skipped, and so are the files Windows
// keeps in picture folders ("Thumbs.db", "desktop.ini", any letter case).
// Empty when the folder is missing; a folder that cannot be listed is a
// FatalError.
std::vector<std::string> ListFiles(const fs::path& folder);

// UTF-8 text of a path, for messages.
std::string PathText(const fs::path& p);

}  // namespace data
