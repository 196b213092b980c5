#include "data/game_folder.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <utility>

#include "model/fatal_error.h"
#include "data/text_codec.h"

namespace data {

const char* PathPartProblem(std::string_view part) {
    if (part.find('\0') != std::string_view::npos) return "a NUL character in a file name";
    if (!part.empty() && (part[0] == '\\' || part[0] == '/')) return "an absolute path";
    if (part.size() >= 2 && part[1] == ':') return "an absolute path";
    for (std::size_t i = 0; i <= part.size();) {
        std::size_t j = part.find_first_of("\\/", i);
        if (j == std::string_view::npos) j = part.size();
        if (part.substr(i, j - i) == "..") return "\"..\" leads out of its folder";
        i = j + 1;
    }
    return nullptr;
}

bool IsPlayerFile(std::string_view gamePath) {
    std::string p(gamePath);
    std::transform(p.begin(), p.end(), p.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return p == "\\saves" || p.rfind("\\saves\\", 0) == 0 || p == "\\data\\rec.cfg" || p == "\\data\\rec.bak" ||
           p == "\\conf.cfg";
}

fs::path Resolve(const fs::path& root, std::string_view gamePath) {
    // The game's own paths start with a separator; what follows came from data.
    std::string_view inner = gamePath;
    while (!inner.empty() && (inner[0] == '\\' || inner[0] == '/')) inner.remove_prefix(1);
    if (const char* problem = PathPartProblem(inner))
        throw FatalError(std::string(gamePath) + ": " + problem);
    fs::path result = root;
    std::size_t i = 0;
    while (i <= gamePath.size()) {
        std::size_t j = gamePath.find_first_of("\\/", i);
        if (j == std::string_view::npos) j = gamePath.size();
        const std::string part(gamePath.substr(i, j - i));
        i = j + 1;
        if (part.empty() || part == ".") continue;
        fs::path exact = result / fs::path(part);
        std::error_code ec;
        if (fs::exists(exact, ec)) {
            result = exact;
            continue;
        }
        const std::string folded = FoldCase(part);
        bool found = false;
        for (fs::directory_iterator it(result, ec), end; !ec && it != end; it.increment(ec)) {
            if (FoldCase(it->path().filename().string()) == folded) {
                result = it->path();
                found = true;
                break;
            }
        }
        if (!found) result = exact;
    }
    return result;
}

std::vector<std::string> ListFiles(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec), end;
    if (ec == std::errc::no_such_file_or_directory) return names;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code fe;
        if (!it->is_regular_file(fe)) continue;
        std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        // Windows writes these into folders it shows as pictures; its file
        // list control never showed them (hidden system files).
        const std::string folded = FoldCase(name);
        if (folded == "thumbs.db" || folded == "desktop.ini") continue;
        names.push_back(std::move(name));
    }
    if (ec) throw FatalError(PathText(folder) + ": cannot list the folder: " + ec.message());
    // Each name folded once, not at every comparison.
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (std::string& name : names) keyed.emplace_back(FoldCase(name), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < keyed.size(); ++i) names[i] = std::move(keyed[i].second);
    return names;
}

std::string PathText(const fs::path& p) { return p.string(); }

}  // namespace data
