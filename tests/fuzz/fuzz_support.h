#pragma once
// Shared by the fuzz targets: the readers take files, so each input is
// written to one scratch file of the process first. A data::FatalError is
// the readers' way to refuse a file and is expected; any other exception,
// crash or sanitizer report is a finding.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include <unistd.h>

namespace fuzz {

class ScratchFolder {
public:
    ScratchFolder() {
        path_ = std::filesystem::temp_directory_path() / ("klev-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline const std::filesystem::path& Scratch() {
    static ScratchFolder folder;
    return folder.path();
}

// Writes the input to the scratch file `name` and returns its path.
inline std::filesystem::path InputFile(const std::uint8_t* data, std::size_t size, const char* name = "input") {
    const std::filesystem::path file = Scratch() / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    return file;
}

inline std::string Text(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A broken promise of the code under test: crash so the fuzzer keeps the input.
[[noreturn]] inline void Violated() { __builtin_trap(); }

}  // namespace fuzz
