#include "data/settings_file.h"

#include <system_error>

#include "data/text_file.h"

namespace data {

Settings ReadSettings(const std::filesystem::path& file, const std::string& shownName, char sep) {
    TextReader r(file, shownName);
    Settings s;
    s.mapFolder = r.readLine();
    s.useSettingsFile = r.readBoolean(sep);
    return s;
}

void WriteInstallMarker(const std::filesystem::path& settingsFile, const std::filesystem::path& markerFolder,
                        const std::filesystem::path& gameFolder, const std::string& mapFolder) noexcept {
    try {
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
    std::string tag(fileName);
    for (std::size_t at; (at = tag.find(".jpg")) != std::string::npos;) tag.erase(at, 4);
    return tag;
}

}  // namespace data
