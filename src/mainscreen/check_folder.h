#pragma once
// The game-folder check for modders: every file the game reads, read as the
// game reads it, every problem listed instead of stopping at the first.

#include <filesystem>
#include <string>
#include <vector>

namespace klev {

// Reads every file of the game folder `folder` that the start-up or the play
// reads: the saves in "\Saves\", "\conf.cfg", every picture of "\images\"
// (header and pixels), the species, the four catalogs, "Info.inf", each map
// file once, each place's "Scene.scn" and "Conf.cfg", the records book, and
// checks that every sound is there. Returns one message a problem, each the
// message the game would stop with ("FILE, line N: what is wrong: "TEXT"")
// or, for a picture whose pixels are damaged (the game shows it blank), a
// message naming the file. Each file gives at most one problem, as its
// reader stops there; the check goes on with the next file. Empty when the
// folder is sound. `sep` is the decimal separator of strict numbers.
std::vector<std::string> CheckGameFolder(const std::filesystem::path& folder, char sep);

}  // namespace klev
