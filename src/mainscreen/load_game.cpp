#include "mainscreen/load_game.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <system_error>

#include "base/shop_fr.h"
#include "data/catalog_files.h"
#include "data/game_folder.h"
#include "data/map_files.h"
#include "data/records_file.h"
#include "data/settings_file.h"
#include "data/fish_file.h"
#include "data/text_codec.h"
#include "data/text_file.h"
#include "scene/scene_form.h"
#include "mainscreen/form1.h"
#include "model/utf8.h"
#include "shell/game.h"
#include "shell/save_game.h"
#include "shell/source.h"

namespace klev {

namespace fs = std::filesystem;

namespace {

// Characters that show nothing or reorder what follows: two names that look
// the same on the screen must not be two players.
bool IsInvisible(std::uint32_t cp) {
    return (cp >= 0x200B && cp <= 0x200D) || cp == 0x2060 || cp == 0xFEFF || cp == 0x00AD || IsBidiControl(cp);
}

}  // namespace

bool IsSafeFolderName(const std::string& name) {
    if (name.empty()) return false;
    // The longest file name the file systems take, in bytes.
    if (name.size() > 255) return false;
    // Windows drops trailing dots and blanks from a folder name, so "Вася."
    // and "Вася" would be one player there; "." and ".." end with a dot too.
    if (name.back() == '.' || name.back() == ' ' || name.ends_with("\xC2\xA0" /* no-break space */))
        return false;
    // The shared records book holds the name in Windows-1251: a character it
    // cannot store would come back as "?". Malformed UTF-8 fails here too.
    if (data::Cp1251ToUtf8(data::Utf8ToCp1251(name)) != name) return false;
    for (std::size_t i = 0; i < name.size();) {
        const std::uint32_t cp = NextCodePoint(name, i);
        if (cp < 32 || (cp >= 0x7F && cp <= 0x9F) || IsInvisible(cp)) return false;
        if (cp < 128 && std::string_view("\\/<>:\"|?*").find(char(cp)) != std::string_view::npos) return false;
    }
    // Device names stay reserved whatever follows a dot ("con.txt" too).
    std::string stem = data::FoldCase(data::Trim(name.substr(0, name.find('.'))));
    static const char* reserved[] = {"con", "prn", "aux", "nul"};
    for (const char* r : reserved)
        if (stem == r) return false;
    if (stem.size() == 4 && (stem.rfind("com", 0) == 0 || stem.rfind("lpt", 0) == 0) && stem[3] >= '1' &&
        stem[3] <= '9')
        return false;
    return true;
}

namespace {

// Whether "\Saves\" + name resolves (in any letter case) to something that
// is not a folder, such as the ".keep" file the default folder ships.
bool NamesANonFolder(const Game& game, const std::string& name) {
    std::error_code ec;
    const fs::path p = game.path("\\Saves\\" + name);
    return fs::exists(fs::symlink_status(p, ec)) && !fs::is_directory(p, ec);
}

}  // namespace

void AskPlayerName(Game& game) {
    for (;;) {
        const std::string answer =
            game.services.dialogs.InputBox("Введите свое имя", "Клевница 2", "").value_or("");
        if (data::Trim(answer).empty()) continue;
        if (!IsSafeFolderName(answer) || NamesANonFolder(game, answer)) {
            game.services.dialogs.MsgBox("Такое имя нельзя использовать для сохранения игры. Введите другое имя.",
                                         forms::MessageIcon::Error, "Клевница 2");
            continue;
        }
        game.save.PlayerName = answer;
        return;
    }
}

void LoadAll(Game& game) {
    OpenPlayerSave(game);
    LoadConfig(game);
    LoadPictures(game);
    AssignBasePictures(game);
    LoadSpecies(game);
    LoadCatalogs(game);
    LoadMaps(game);
    ShowMap(game);
    InitDefaults(game);
    LoadRecordBook(game);
}

void OpenPlayerSave(Game& game) {
    std::error_code ec;
    if (!fs::is_directory(game.path("\\Saves"), ec)) throw data::FatalError("Path not found: \\Saves\\");
    // The name goes into the path as typed; letter case does not matter, as
    // on the game's own file system.
    const std::string shown = "\\Saves\\" + game.save.PlayerName;
    const fs::path folder = game.path(shown);
    if (fs::is_directory(folder, ec)) {
        LoadGameState(game);
        return;
    }
    if (!fs::create_directory(folder, ec) || ec) throw data::FatalError("Path not found: " + shown);
    try {
        data::WriteFileBytes(folder / "vrb.cfg", "");
    } catch (const std::exception&) {
        throw data::FatalError("Permission denied: " + shown + "\\vrb.cfg");
    }
    game.save.PlayerMoney = 50;
}

namespace {

// The full path of a folder, without a trailing separator.
fs::path FullPath(const fs::path& folder) {
    std::error_code ec;
    fs::path full = fs::absolute(folder, ec).lexically_normal();
    if (ec) full = folder;
    std::string text = full.string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return fs::path(text);
}

}  // namespace

void LoadConfig(Game& game) {
    const data::Settings s = data::ReadSettings(game.path("\\conf.cfg"), "\\conf.cfg", game.sep());
    game.place.MapFolder = s.mapFolder;
    game.loaded.UseSettingsFile = s.useSettingsFile;
    if (s.useSettingsFile)
        data::WriteInstallMarker(game.path("\\conf.cfg"), game.config.systemFolder, FullPath(game.config.gameFolder),
                                 game.place.MapFolder);
}

namespace {

// The file list control of Source pointed at a folder of the game.
std::vector<std::string> ListFolder(Game& game, const std::string& shown) {
    const fs::path folder = game.path(shown);
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) throw data::FatalError("Path not found: " + shown);
    return data::ListFiles(folder);
}

}  // namespace

void LoadPictures(Game& game) {
    Source& source = game.window<Source>();
    const fs::path folder = game.path("\\images");
    const std::vector<std::string> files = ListFolder(game, "\\images\\");
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string shown = "\\images\\" + files[i];
        forms::Control& member = source.Pic.load(int(i) + 1);
        const std::string tag = data::PictureTag(files[i]);
        try {
            forms::Bitmap picture = game.services.pictures.Load(folder / fs::path(files[i]), tag);
            member.setPicture(std::move(picture));
        } catch (const forms::PictureError&) {
            throw data::FatalError(shown + ": not a loadable picture");
        }
        member.Tag = tag;
    }
    game.loaded.PictureCount = Long(files.size());
}

void AssignBasePictures(Game& game) {
    // Each tag belongs to one window; a window is made when the stock first
    // holds a picture for it, in stock order.
    Source& source = game.window<Source>();
    for (Long i = 1; i <= game.loaded.PictureCount; ++i) {
        const forms::Control& member = source.Pic[int(i)];
        for (const WindowKind& kind : game.windowKinds())
            for (const char* tag : kind.stockTags)
                if (member.Tag == tag) game.formByName(kind.name)->takeStockPicture(tag, member.picture());
    }
}

void LoadSpecies(Game& game) {
    const fs::path folder = game.path("\\Data\\Fish");
    Source& source = game.window<Source>();
    for (const std::string& file : ListFolder(game, "\\Data\\Fish\\")) {
        FishRecord species =
            data::ReadSpeciesFile(folder / fs::path(file), "\\Data\\Fish\\" + file, game.sep());
        species.PictureIndex = source.FindTag(data::Trim(species.PictureKey));
        game.loaded.SpeciesList.push_back(std::move(species));
    }
}

void LoadCatalogs(Game& game) {
    ShopFr& shop = game.window<ShopFr>();
    auto load = [&](auto reader, const char* name, std::vector<TackleItem>& catalog) {
        const std::string shown = std::string("\\Data\\Dev\\") + name;
        data::Catalog read = reader(game.path(shown), shown, game.sep());
        catalog = std::move(read.items);
        return std::move(read.listTexts);
    };
    load(data::ReadRodCatalog, "Sp.cfg", game.loaded.RodCatalog);
    // A line of lsk.cfg without ";" is in the catalog but not in the shop's list.
    const std::vector<std::string> lineTexts = load(data::ReadLineCatalog, "lsk.cfg", game.loaded.LineCatalog);
    load(data::ReadBaitCatalog, "nas.cfg", game.loaded.BaitCatalog);
    load(data::ReadLureCatalog, "bls.cfg", game.loaded.LureCatalog);
    shop.ShowCatalogs(lineTexts);
}

void LoadMaps(Game& game, const MapFileReader& read) {
    const std::vector<std::string> folders =
        data::ReadMapList(game.path("\\Data\\Maps\\Info.inf"), "\\Data\\Maps\\Info.inf", game.sep());
    Source& source = game.window<Source>();
    game.loaded.MapList.resize(folders.size());
    // A list naming one map a million times must not read its file a million
    // times: the maps read so far, by the file they came from.
    std::map<fs::path, std::size_t> readFrom;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const std::string shown = "\\Data\\Maps\\" + folders[i] + "\\conf.cfg";
        const fs::path file = game.path(shown);
        MapInfo map;
        if (const auto seen = readFrom.find(file); seen != readFrom.end()) map = game.loaded.MapList[seen->second];
        else {
            map = read ? read(file, shown, game.sep()) : data::ReadMapFile(file, shown, game.sep());
            readFrom.emplace(file, i);
        }
        map.Folder = folders[i];
        map.PictureIndex = source.FindTag(map.Folder);
        game.loaded.MapList[i] = std::move(map);
    }
}

void ShowMap(Game& game) {
    Form1& form = game.window<Form1>();
    Source& source = game.window<Source>();
    const Long marker = source.FindTag("scene");
    // The designed look of PScene(0), the normal marker, is the game folder's
    // marker picture; the highlight gives it back to every marker.
    if (marker != 0 && form.PScene[0].picture().empty()) form.PScene[0].setPicture(source.StockPicture(marker));
    for (std::size_t i = 0; i < game.loaded.MapList.size(); ++i) {
        const MapInfo& map = game.loaded.MapList[i];
        if (map.Folder != game.place.MapFolder) continue;
        form.Picture1.setPicture(source.StockPicture(map.PictureIndex));
        form.Label1.Caption = map.Title;
        game.place.MapIndex = Long(i) + 1;
        for (std::size_t k = 0; k < map.Places.size(); ++k) {
            const int index = int(k) + 1;
            // A map listed twice under one folder would load its markers twice: keep one.
            forms::Control& m = form.PScene.loaded(index) ? form.PScene[index] : form.PScene.load(index);
            m.Left = float(map.Places[k].X);
            m.Top = float(map.Places[k].Y);
            m.Visible = true;
            m.setPicture(source.StockPicture(marker));
        }
    }
}

void InitDefaults(Game& game) {
    game.fishing.TackleX = 5400;
    game.save.RigMode = Rig::Float;
    const GameConfig& c = game.config;
    game.window<SceneForm>().Caption = "Клевница 2   version " + std::to_string(c.versionMajor) + "." +
                               std::to_string(c.versionMinor) + "." + std::to_string(c.versionRevision);
    const struct {
        const char* name;
        Long tolerance, skill;
    } regulars[] = {{"Бумбер", 100, 15}, {"Липот", 70, 20}, {"Дросс", 50, 30}, {"Хумпи", 30, 50}};
    for (int i = 0; i < 4; ++i) {
        game.save.Regulars[i].Name = regulars[i].name;
        game.save.Regulars[i].Tolerance = regulars[i].tolerance;
        game.save.Regulars[i].Skill = regulars[i].skill;
        game.save.Regulars[i].Drunkenness = 1;
    }
}

void LoadRecordBook(Game& game) {
    game.book.RecordBook = data::ReadRecordBook(game.path("\\Data\\rec.cfg"), "\\Data\\rec.cfg", game.sep());
}

}  // namespace klev
