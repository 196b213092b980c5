#include "mainscreen/check_folder.h"

#include <fstream>
#include <iterator>
#include <map>
#include <system_error>

#include "data/catalog_files.h"
#include "data/fish_file.h"
#include "data/game_folder.h"
#include "data/map_files.h"
#include "data/records_file.h"
#include "data/save_file.h"
#include "data/settings_file.h"
#include "forms/picture_codec.h"
#include "forms/services.h"
#include "model/fatal_error.h"

namespace klev {

namespace fs = std::filesystem;

namespace {

class FolderCheck {
public:
    FolderCheck(const fs::path& folder, char sep) : folder_(folder), sep_(sep) {}

    std::vector<std::string> run() {
        checkSaves();
        attempt([&] { data::ReadSettings(path("\\conf.cfg"), "\\conf.cfg", sep_); });
        for (const std::string& file : list("\\images\\")) {
            const std::string shown = "\\images\\" + file;
            attempt([&] { checkPicture(shown, shown + ": not a loadable picture"); });
        }
        std::vector<FishRecord> species;
        for (const std::string& file : list("\\Data\\Fish\\")) {
            const std::string shown = "\\Data\\Fish\\" + file;
            attempt([&] { species.push_back(data::ReadSpeciesFile(path(shown), shown, sep_)); });
        }
        checkCatalog(data::ReadRodCatalog, "Sp.cfg");
        checkCatalog(data::ReadLineCatalog, "lsk.cfg");
        checkCatalog(data::ReadBaitCatalog, "nas.cfg");
        checkCatalog(data::ReadLureCatalog, "bls.cfg");
        checkMaps(species);
        attempt([&] { data::ReadRecordBook(path("\\Data\\rec.cfg"), "\\Data\\rec.cfg", sep_); });
        for (int n = 1; n <= 13; ++n) checkPresent("\\sound\\fon" + std::to_string(n) + ".wav");
        checkPresent("\\sound\\crsp.wav");
        return std::move(problems_);
    }

private:
    fs::path path(const std::string& shown) const { return data::Resolve(folder_, shown); }

    // Runs one reader; its failure is noted and the check goes on.
    template <class Read>
    bool attempt(Read&& read) {
        try {
            read();
            return true;
        } catch (const FatalError& e) {
            problems_.push_back(e.what());
        }
        return false;
    }

    // The files of a folder as the game lists them; a missing folder is noted.
    std::vector<std::string> list(const std::string& shown) {
        std::vector<std::string> files;
        attempt([&] {
            const fs::path p = path(shown);
            std::error_code ec;
            if (!fs::is_directory(p, ec)) throw FatalError("Path not found: " + shown);
            files = data::ListFiles(p);
        });
        return files;
    }

    // Each player's save, as the start-up reads it when that player returns.
    void checkSaves() {
        attempt([&] {
            const fs::path saves = path("\\Saves");
            std::error_code ec;
            if (!fs::is_directory(saves, ec)) throw FatalError("Path not found: \\Saves\\");
            std::map<std::string, fs::path> players;  // in name order, for a stable report
            for (fs::directory_iterator it(saves, ec), end; !ec && it != end; it.increment(ec))
                if (it->is_directory(ec)) players.emplace(it->path().filename().string(), it->path());
            for (const auto& player : players) {
                const std::string shown = "\\Saves\\" + player.first + "\\vrb.cfg";
                attempt([&] {
                    SaveData save;
                    data::ReadSaveFile(data::Resolve(player.second, "\\vrb.cfg"), shown, save, sep_);
                });
            }
        });
    }

    template <class Reader>
    void checkCatalog(Reader reader, const char* name) {
        const std::string shown = std::string("\\Data\\Dev\\") + name;
        attempt([&] { reader(path(shown), shown, sep_); });
    }

    // Every map file once, and every place of it: the picture and the settings.
    void checkMaps(const std::vector<FishRecord>& species) {
        std::vector<std::string> folders;
        if (!attempt([&] { folders = data::ReadMapList(path("\\Data\\Maps\\Info.inf"), "\\Data\\Maps\\Info.inf", sep_); }))
            return;
        std::map<fs::path, bool> seen;
        for (const std::string& folder : folders) {
            const std::string shown = "\\Data\\Maps\\" + folder + "\\conf.cfg";
            MapInfo map;
            attempt([&] {
                const fs::path file = path(shown);
                if (!seen.emplace(file, true).second) return;
                map = data::ReadMapFile(file, shown, sep_);
            });
            for (Long k = 1; k <= Long(map.Places.size()); ++k) {
                const std::string place = data::PlaceFolder(folder, k);
                attempt([&] {
                    const std::string picture = place + "\\Scene.scn";
                    checkPicture(picture, "File not found or not a picture: " + picture);
                });
                attempt([&] { data::ReadPlaceConfig(path(place + "\\Conf.cfg"), place + "\\Conf.cfg", species, sep_); });
            }
        }
    }

    // The header as the start-up checks it, then the pixels, which the game
    // decodes when the picture is first shown (a damaged body shows blank).
    void checkPicture(const std::string& shown, const std::string& refusal) {
        const fs::path file = path(shown);
        try {
            forms::FilePictures().Load(file, shown);
        } catch (const forms::PictureError&) {
            throw FatalError(refusal);
        }
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
        if (!forms::DecodePicturePixels(data, bytes.size()))
            throw FatalError(shown + ": the picture's data is damaged: it would show blank");
    }

    void checkPresent(const std::string& shown) {
        attempt([&] {
            std::error_code ec;
            if (!fs::is_regular_file(path(shown), ec)) throw FatalError("File not found: " + shown);
        });
    }

    fs::path folder_;
    char sep_;
    std::vector<std::string> problems_;
};

}  // namespace

std::vector<std::string> CheckGameFolder(const std::filesystem::path& folder, char sep) {
    return FolderCheck(folder, sep).run();
}

}  // namespace klev
