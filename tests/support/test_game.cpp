#include "test_game.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>

#include <png.h>

#include "data/text_codec.h"
#include "data/text_file.h"

namespace testing_support {
namespace {

std::string NativeRelative(const std::string& relative) {
    std::string r = relative;
    for (char& c : r)
        if (c == '\\') c = '/';
    while (!r.empty() && r[0] == '/') r.erase(0, 1);
    return r;
}

}  // namespace

std::string PictureBytes(int width, int height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = PNG_FORMAT_RGB;
    const std::vector<unsigned char> grey(std::size_t(width) * std::size_t(height) * 3, 0x80);
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, grey.data(), 0, nullptr);
    std::string bytes(size, '\0');
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, grey.data(), 0, nullptr))
        throw std::runtime_error("cannot make the test picture");
    bytes.resize(size);
    return bytes;
}

TestFolder::TestFolder() {
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    root_ = fs::temp_directory_path() /
            ("klev-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    fs::create_directories(game() / "Saves");
    write("conf.cfg", {"lake", "false"});
    for (const char* tag : {"back1", "scene", "lake", "river", "pike", "perch", "base", "wood2"})
        writeBytes(std::string("images/") + tag + ".jpg", PictureBytes(4, 3));
    write("Data/Fish/1.txt", {"щука", "500", "5000", "0", "100", "50", "pike", "2", "живец", "80", "блесна с", "50",
                              "1000", "4"});
    write("Data/Fish/2.txt",
          {"окунь", "50", "1000", "0", "40", "30", "perch", "2", "червь", "90", "блесна м", "60", "1000", "2"});
    write("Data/Fish/3.txt", {"сом", "2000", "50000", "0", "150", "70", "som", "1", "живец", "40", "1000", "5"});
    write("Data/Dev/Sp.cfg", {"2", "Удочка", "3000", "10", "Спиннинг", "8000", "40"});
    write("Data/Dev/lsk.cfg", {"2", "2500;5", "6000;12"});
    write("Data/Dev/nas.cfg", {"2", "червь", "20", "3", "живец", "5", "6"});
    write("Data/Dev/bls.cfg", {"2", "Вертушка", "10", "8", "Воблер", "20", "15"});
    write("Data/Maps/Info.inf", {"2", "lake", "river"});
    write("Data/Maps/lake/conf.cfg", {"Озеро", "-", "2", "2400", "3000", "-", "6000", "4200", "-"});
    write("Data/Maps/river/conf.cfg",
          {"Река", "-", "3", "1500", "1500", "-", "3000", "3000", "-", "4500", "4500", "-"});
    for (const char* map : {"lake", "river"})
        for (int k = 1; k <= 3; ++k) {
            const std::string loc = std::string("Data/Maps/") + map + "/Loc" + std::to_string(k);
            writeBytes(loc + "/Scene.scn", PictureBytes(8, 6));
            write(loc + "/Conf.cfg", {"0", "5000", "2400", "30", "3", "щука 60", "окунь100", "сом  5"});
        }
    write("Data/rec.cfg", {"2", "pike", "3000", "Дед", "perch", "800", "Иван"});
    for (int n = 1; n <= 13; ++n) writeBytes("sound/fon" + std::to_string(n) + ".wav", "RIFF");
    writeBytes("sound/crsp.wav", "RIFF");
}

TestFolder::~TestFolder() {
    std::error_code ec;
    fs::remove_all(root_, ec);
}

void TestFolder::write(const std::string& relative, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& l : lines) bytes += data::Utf8ToCp1251(l) + "\r\n";
    writeBytes(relative, bytes);
}

void TestFolder::writeBytes(const std::string& relative, const std::string& bytes) {
    const fs::path p = game() / NativeRelative(relative);
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void TestFolder::remove(const std::string& relative) {
    std::error_code ec;
    fs::remove_all(game() / NativeRelative(relative), ec);
}

std::string TestFolder::read(const std::string& relative) const {
    std::ifstream in(game() / NativeRelative(relative), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> TestFolder::readLines(const std::string& relative) const {
    return data::SplitLines(read(relative));
}

bool TestFolder::exists(const std::string& relative) const { return fs::exists(game() / NativeRelative(relative)); }

std::string RunAgain(const TestFolder& folder, const std::string& commands) {
    driver::Options o;
    o.config = klev::DefaultVersion({});
    o.config.gameFolder = folder.game();
    o.config.systemFolder = folder.system();
    driver::ScriptDriver d(std::move(o));
    std::istringstream in(commands);
    std::ostringstream out;
    d.run(in, out);
    return out.str();
}

TestGame::TestGame(char decimalSeparator) : sep_(decimalSeparator) {}

driver::ScriptDriver& TestGame::driver() {
    if (!driver_) {
        driver::Options o;
        o.config = klev::DefaultVersion({});
        o.config.gameFolder = folder.game();
        o.config.systemFolder = folder.system();
        o.config.decimalSeparator = sep_;
        driver_ = std::make_unique<driver::ScriptDriver>(std::move(o));
    }
    return *driver_;
}

std::string TestGame::run(const std::string& commands) {
    std::istringstream in(commands);
    std::ostringstream out;
    status_ = driver().run(in, out);
    return out.str();
}

std::string TestGame::startAs(const std::string& name) {
    return run("answer " + name + "\nstart\nadvance 2000\n");
}

std::string TestGame::print(const std::string& what) {
    std::string s = run("print " + what + "\n");
    if (!s.empty() && s.back() == '\n') s.pop_back();
    return s;
}

}  // namespace testing_support
