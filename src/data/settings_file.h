#pragma once
// "\conf.cfg" (map shown first, whether to write the first-run marker), the
// first-run marker "fshset.ini", and the picture stock's tag rule.

#include <filesystem>
#include <string>
#include <string_view>

namespace data {

struct Settings {
    std::string mapFolder;
    bool useSettingsFile = false;
};

// Throws FatalError for a missing file, a missing line or a line 2 that is
// not Boolean text.
Settings ReadSettings(const std::filesystem::path& file, const std::string& shownName, char sep);

// Writes the marker (one line: the game folder path) into `markerFolder`,
// creating that folder when missing, then rewrites the settings file with
// `mapFolder` and "false". Every failure ends it silently; what was written
// until then stays. The settings file must already exist to be rewritten.
// An empty `markerFolder` writes nothing.
void WriteInstallMarker(const std::filesystem::path& settingsFile, const std::filesystem::path& markerFolder,
                        const std::filesystem::path& gameFolder, const std::string& mapFolder) noexcept;

// The stock tag of a picture file: its name with every ".jpg" removed
// (exact, case-sensitive, in one pass: "a.j.jpgpg" gives "a.jpg").
std::string PictureTag(std::string_view fileName);

}  // namespace data
