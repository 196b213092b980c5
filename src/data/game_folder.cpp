#include "data/game_folder.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "data/text_codec.h"

namespace data {

bool IsPlayerFile(std::string_view gamePath) {
    std::string p(gamePath);
    std::transform(p.begin(), p.end(), p.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return p == "\\saves" || p.rfind("\\saves\\", 0) == 0 || p == "\\data\\rec.cfg" || p == "\\conf.cfg";
}

fs::path Resolve(const fs::path& root, std::string_view gamePath) {
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
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fe;
        if (!it->is_regular_file(fe)) continue;
        std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string fa = FoldCase(a), fb = FoldCase(b);
        return fa != fb ? fa < fb : a < b;
    });
    return names;
}

std::string PathText(const fs::path& p) { return p.string(); }

}  // namespace data
