#include "shell/platform.h"

#include <clocale>
#include <cstdlib>
#include <string>

#include "data/game_folder.h"
#include "shell/game.h"

namespace klev {

std::filesystem::path ExecutableFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
}

std::filesystem::path InstalledDataFolder() { return InstalledDataFolder(ExecutableFolder()); }

std::filesystem::path InstalledDataFolder(const std::filesystem::path& exe) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // The exact name before any case-blind search: installed, the program's
    // folder is /usr/bin, thousands of names to compare at every start.
    if (fs::is_regular_file(exe / "conf.cfg", ec)) return exe;
    const fs::path installed = exe.parent_path() / "share" / "klevnitsa";
    if (fs::is_directory(installed, ec)) return installed;
    if (fs::is_regular_file(data::Resolve(exe, "\\conf.cfg"), ec)) return exe;
    return installed;
}

std::filesystem::path PlayerDataFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::filesystem::path(xdg) / "klevnitsa";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".local" / "share" / "klevnitsa";
    return std::filesystem::temp_directory_path() / "klevnitsa";
}

bool SeedPlayerFolder(const std::filesystem::path& game, const std::filesystem::path& player) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(player / "Saves", ec);
    bool ok = fs::is_directory(player / "Saves", ec);
    for (const char* file : {"\\conf.cfg", "\\Data\\rec.cfg"}) {
        const fs::path mine = data::Resolve(player, file);
        if (fs::exists(mine, ec)) continue;
        fs::create_directories(mine.parent_path(), ec);
        // copy_file with the default options never replaces a file.
        ok = fs::copy_file(data::Resolve(game, file), mine, ec) && ok;
    }
    return ok;
}

std::filesystem::path DefaultSystemFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return std::filesystem::path(xdg) / "klevnitsa";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".config" / "klevnitsa";
    return std::filesystem::temp_directory_path() / "klevnitsa";
}

char UserDecimalSeparator() {
    // Ask the environment's locale once, then put the C locale back.
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    char sep = '.';
    if (std::setlocale(LC_NUMERIC, "")) {
        const std::lconv* lc = std::localeconv();
        if (lc && lc->decimal_point && lc->decimal_point[0]) sep = lc->decimal_point[0];
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
    return sep;
}

GameConfig DefaultVersion(GameConfig config) {
    config.versionMajor = KLEV_VERSION_MAJOR;
    config.versionMinor = KLEV_VERSION_MINOR;
    config.versionRevision = KLEV_VERSION_REVISION;
    return config;
}

}  // namespace klev
