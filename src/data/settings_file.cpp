#include "data/settings_file.h"

#include <system_error>

#include "data/game_folder.h"
#include "data/text_file.h"

namespace data {

Settings ReadSettings(const std::filesystem::path& file, const std::string& shownName, char sep) {
    TextReader r(file, shownName);
    Settings s;
    s.mapFolder = r.readLine();
    // The folder name becomes part of the paths of the places' files.
    if (const char* problem = PathPartProblem(s.mapFolder)) r.fail(problem);
    s.useSettingsFile = r.readBoolean(sep);
    return s;
}

void WriteInstallMarker(const std::filesystem::path& settingsFile, const std::filesystem::path& markerFolder,
                        const std::filesystem::path& gameFolder, const std::string& mapFolder) noexcept {
    try {
        // Without a folder to stand for the system's, there is nowhere to write.
        if (markerFolder.empty()) return;
        std::error_code ec;
        std::filesystem::create_directories(markerFolder, ec);
        TextWriter marker(markerFolder / "fshset.ini");
        marker.line(gameFolder.string());
        WriteFileBytes(markerFolder / "fshset.ini", marker.bytes());
        if (!std::filesystem::is_regular_file(settingsFile, ec)) return;
        TextWriter settings(settingsFile);
        settings.line(mapFolder);
        settings.line("false");
        settings.commit();
    } catch (...) {
        // The marker is a courtesy: every failure simply leaves it undone.
    }
}

std::string PictureTag(std::string_view fileName) {
    // One pass from left to right, like the runtime's Replace: text that
    // comes together only once an occurrence is removed stays.
    constexpr std::string_view jpg = ".jpg";
    std::string tag;
    std::size_t from = 0;
    for (std::size_t at; (at = fileName.find(jpg, from)) != std::string_view::npos; from = at + jpg.size())
        tag += fileName.substr(from, at - from);
    tag += fileName.substr(from);
    return tag;
}

}  // namespace data
