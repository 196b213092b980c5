#pragma once
// A small game folder written afresh for each test, and a game driven
// through the headless driver on it. Tests change single files with write()
// before start() to build the case they need.

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "driver/driver.h"

namespace testing_support {

namespace fs = std::filesystem;

// A tiny picture file (a grey PNG of w x h pixels) that the picture loader decodes.
std::string PictureBytes(int width, int height);

class TestFolder {
public:
    // Creates a unique temporary game folder with the default test data.
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const fs::path& root() const { return root_; }
    fs::path system() const { return root_ / "system"; }
    // The game folder ("game" below root).
    fs::path game() const { return root_ / "game"; }

    // Writes a text file of the game folder (path relative to it, "/" or "\"
    // separated), lines joined with CR LF and encoded as Windows-1251.
    void write(const std::string& relative, const std::vector<std::string>& lines);
    void writeBytes(const std::string& relative, const std::string& bytes);
    void remove(const std::string& relative);
    // The raw bytes of a file of the game folder.
    std::string read(const std::string& relative) const;
    // The lines of a Windows-1251 file, as UTF-8.
    std::vector<std::string> readLines(const std::string& relative) const;
    bool exists(const std::string& relative) const;

private:
    fs::path root_;
};

// The default test data written by TestFolder:
//  - conf.cfg: map "lake", "false"
//  - images: back1, scene, lake, river, pike (species picture), base, wood2
//  - species 1 "щука" (min 500, max 5000, strength 100, caution 50, key "pike",
//    baits "живец" 80 and "блесна с" 50, 1000 g per unit, 4 $ per unit);
//    species 2 "окунь" (50..1000, strength 40, caution 30, key "perch",
//    baits "червь" 90, "блесна м" 60, 1000 g, 2 $);
//    species 3 "сом" (2000..50000, strength 150, caution 70, key "som",
//    baits "живец" 40, 1000 g, 5 $)
//  - Sp.cfg: "Удочка" 3000 g $10, "Спиннинг" 8000 g $40
//  - lsk.cfg: "2500;5", "6000;12"
//  - nas.cfg: "червь" 20 portions $3, "живец" 5 portions $6
//  - bls.cfg: "Вертушка" power 10 $8, "Воблер" power 20 $15
//  - maps: "lake" (Озеро, 2 places at 2400,3000 and 6000,4200) and
//    "river" (Река, 3 places); every place: shore 5000, cast 2400, snag 30,
//    species lines "щука 60", "окунь100", "сом  5"
//  - rec.cfg: pike 3000 "Дед", perch 800 "Иван"
//  - sound: fon1.wav .. fon13.wav and crsp.wav (tiny files)
//  - an empty Saves folder

// Runs a fresh game (a later start of the program) on `folder` and returns
// what the commands printed.
std::string RunAgain(const TestFolder& folder, const std::string& commands);

// A game on a TestFolder through the headless driver.
class TestGame {
public:
    explicit TestGame(char decimalSeparator = ',');

    TestFolder folder;

    // Runs driver commands (one a line) and returns what they printed.
    std::string run(const std::string& commands);
    // "answer NAME", "start", "advance 2000": the player is on the map.
    std::string startAs(const std::string& name = "Вася");
    // Prints one value through the driver ("print X" without the newline).
    std::string print(const std::string& what);
    driver::Status lastStatus() const { return status_; }

    driver::ScriptDriver& driver();
    klev::Game& game() { return driver().game(); }

private:
    char sep_;
    std::unique_ptr<driver::ScriptDriver> driver_;
    driver::Status status_ = driver::Finished;
};

}  // namespace testing_support
