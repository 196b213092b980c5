// The headless start-up (start, then the splash's two seconds: the name
// prompt and every loader) on the default game folder and on a generated
// folder with 200 pictures and 200 species, and with 50, 200 and 800 species.
// Times are milliseconds per run.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

#include "data/text_codec.h"
#include "driver/driver.h"

namespace {

namespace fs = std::filesystem;

void WriteBytes(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

void WriteLines(const fs::path& file, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& l : lines) bytes += data::Utf8ToCp1251(l) + "\r\n";
    WriteBytes(file, bytes);
}

// A JPEG of w x h pixels with a gradient and some noise, so that decoding
// costs what a real photograph of that size costs.
std::string Jpeg(int w, int h, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<unsigned char> rgb(std::size_t(w) * std::size_t(h) * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned char* p = &rgb[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * 3];
            p[0] = static_cast<unsigned char>((x * 255 / w + rng() % 24) & 0xFF);
            p[1] = static_cast<unsigned char>((y * 255 / h + rng() % 24) & 0xFF);
            p[2] = static_cast<unsigned char>(((x + y) * 128 / (w + h) + rng() % 24) & 0xFF);
        }
    std::string out;
    stbi_write_jpg_to_func(
        [](void* ctx, void* data, int size) { static_cast<std::string*>(ctx)->append(static_cast<char*>(data), std::size_t(size)); },
        &out, w, h, 3, rgb.data(), 85);
    return out;
}

// A game folder with `pictures` pictures of 640 x 480 and `species` species.
fs::path GenerateFolder(int pictures, int species) {
    const fs::path root = fs::temp_directory_path() / ("klev-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(root / "Saves");
    WriteLines(root / "conf.cfg", {"lake", "false"});
    const std::string jpeg = Jpeg(640, 480, 1);
    for (int i = 0; i < pictures; ++i) {
        const std::string tag = i == 0 ? "lake" : i == 1 ? "scene" : "pic" + std::to_string(i);
        WriteBytes(root / "images" / (tag + ".jpg"), jpeg);
    }
    for (int i = 0; i < species; ++i)
        WriteLines(root / "Data" / "Fish" / ("fish" + std::to_string(i) + ".txt"),
                   {"рыба " + std::to_string(i), "100", "2000", "0", "50", "40", "pic" + std::to_string(i + 2), "2",
                    "червь", "50", "блесна м", "30", "1000", "3"});
    WriteLines(root / "Data" / "Dev" / "Sp.cfg", {"1", "Удочка", "3000", "10"});
    WriteLines(root / "Data" / "Dev" / "lsk.cfg", {"1", "2500;5"});
    WriteLines(root / "Data" / "Dev" / "nas.cfg", {"1", "червь", "20", "3"});
    WriteLines(root / "Data" / "Dev" / "bls.cfg", {"1", "Вертушка", "10", "8"});
    WriteLines(root / "Data" / "Maps" / "Info.inf", {"1", "lake"});
    WriteLines(root / "Data" / "Maps" / "lake" / "conf.cfg", {"Озеро", "-", "1", "2400", "3000", "-"});
    WriteLines(root / "Data" / "rec.cfg", {"1", "pic2", "3000", "Дед"});
    return root;
}

void StartUp(benchmark::State& state, const fs::path& folder) {
    const fs::path system = fs::temp_directory_path() / "klev-bench-system";
    for (auto _ : state) {
        driver::Options o;
        o.config = klev::DefaultVersion({});
        o.config.gameFolder = folder;
        o.config.systemFolder = system;
        driver::ScriptDriver d(std::move(o));
        std::istringstream script("answer Bench\nstart\nadvance 2000\nprint Form1.Visible\n");
        std::ostringstream out;
        const driver::Status status = d.run(script, out);
        if (status != driver::Finished || out.str() != "true\n") {
            state.SkipWithError(("start-up failed: " + out.str()).c_str());
            break;
        }
    }
}

// The bundled folder (or the one KLEV_GAMEDATA names) is copied, since the
// start-up writes the player's save.
fs::path CopyOfDefaultFolder() {
    const char* chosen = std::getenv("KLEV_GAMEDATA");
    const fs::path source = chosen && *chosen ? fs::path(chosen) : fs::path(KLEV_GAMEDATA_DIR);
    const fs::path copy = fs::temp_directory_path() / ("klev-bench-default-" + std::to_string(std::random_device{}()));
    fs::copy(source, copy, fs::copy_options::recursive);
    return copy;
}

void BM_StartUpDefaultFolder(benchmark::State& state) {
    const fs::path folder = CopyOfDefaultFolder();
    StartUp(state, folder);
    fs::remove_all(folder);
}

void BM_StartUp200Pictures200Species(benchmark::State& state) {
    const fs::path folder = GenerateFolder(200, 200);
    StartUp(state, folder);
    fs::remove_all(folder);
}

// Every species looks its picture up in the stock: the start-up grows with
// the number of species and pictures, in proportion (800 costs at most 4.5x
// of 200).
void BM_StartUpSpeciesAndPictures(benchmark::State& state) {
    const int species = int(state.range(0));
    const fs::path folder = GenerateFolder(species + 2, species);
    StartUp(state, folder);
    fs::remove_all(folder);
}

}  // namespace

BENCHMARK(BM_StartUpDefaultFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUp200Pictures200Species)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpSpeciesAndPictures)->Arg(50)->Arg(200)->Arg(800)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
