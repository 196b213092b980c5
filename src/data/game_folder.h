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
// written, so the result names where a new file would go.
fs::path Resolve(const fs::path& root, std::string_view gamePath);

// Whether a game path names what the player's play writes: "\Saves" and
// below, "\Data\rec.cfg" and "\conf.cfg" (letter case aside).
bool IsPlayerFile(std::string_view gamePath);

// File names (not folders) in `folder`, sorted by name without regard to
// case; hidden files (leading ".") are skipped. Empty when the folder is missing.
std::vector<std::string> ListFiles(const fs::path& folder);

// UTF-8 text of a path, for messages.
std::string PathText(const fs::path& p);

}  // namespace data
