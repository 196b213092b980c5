#include "data/text_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "data/numbers.h"
#include "data/text_codec.h"

namespace data {

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string current;
    bool pending = false;  // a line has started or ended with text still to come
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(Cp1251ToUtf8(current));
            current.clear();
            pending = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending) lines.push_back(Cp1251ToUtf8(current));
    return lines;
}

namespace {

// Larger files are no text file of the game; reading them could exhaust memory.
constexpr off_t MaxTextFile = off_t(64) << 20;

std::size_t LineOfByte(const std::string& bytes) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) ++line;
    return line;
}

}  // namespace

TextReader::TextReader(const std::filesystem::path& file, std::string shownName)
    : shownName_(std::move(shownName)) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) throw FatalError("File not found: " + shownName_);
        throw FatalError(shownName_ + ": cannot open: " + std::strerror(error));
    }
    std::string bytes;
    std::string problem;
    struct stat info {};
    if (::fstat(fd, &info) != 0) problem = std::string(": cannot read: ") + std::strerror(errno);
    else if (S_ISDIR(info.st_mode)) problem = ": is a folder, not a file";
    else if (!S_ISREG(info.st_mode)) problem = ": is not a regular file";
    else if (info.st_size > MaxTextFile) problem = ": too large for a text file of the game";
    else {
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got == 0) break;
            if (got < 0) {
                if (errno == EINTR) continue;
                const int error = errno;
                problem = ", line " + std::to_string(LineOfByte(bytes)) + ": read error: " + std::strerror(error);
                break;
            }
            bytes.append(buffer, std::size_t(got));
            if (off_t(bytes.size()) > MaxTextFile) {
                problem = ": too large for a text file of the game";
                break;
            }
        }
    }
    ::close(fd);
    if (!problem.empty()) throw FatalError(shownName_ + problem);
    lines_ = SplitLines(bytes);
}

TextReader TextReader::FromLines(std::vector<std::string> lines, std::string shownName) {
    TextReader r;
    r.lines_ = std::move(lines);
    r.shownName_ = std::move(shownName);
    return r;
}

std::string TextReader::readLine() {
    if (atEnd()) failAt(next_ + 1, "input past end of file");
    return lines_[next_++];
}

long long TextReader::readStrictInt(char sep) {
    const std::string text = readLine();
    const auto v = StrictInteger(text, sep);
    if (!v) fail(StrictNumber(text, sep) ? "overflow" : "type mismatch: not a number");
    // Every whole-number variable of the game is a 32-bit Long.
    if (*v < LongMin || *v > LongMax) fail("overflow");
    return *v;
}

long long TextReader::readLenientInt() {
    const std::string text = readLine();
    // Text without a leading number reads as 0; a number beyond the Long
    // range is an overflow like everywhere else.
    const double v = LenientNumber(text);
    if (v < double(LongMin) - 0.5 || v >= double(LongMax) + 0.5) fail("overflow");
    return RoundHalfEven(v);
}

bool TextReader::readBoolean(char sep) {
    const std::string text = readLine();
    if (auto v = BooleanText(text, sep)) return *v;
    fail("type mismatch: not true or false");
}

void TextReader::fail(const std::string& what) const { failAt(next_, what); }

void TextReader::failAt(std::size_t line, const std::string& what) const {
    std::string msg = shownName_ + ", line " + std::to_string(line) + ": " + what;
    if (line >= 1 && line <= lines_.size()) msg += ": \"" + Printable(lines_[line - 1], QuotedChars) + "\"";
    throw FatalError(msg);
}

std::string TextWriter::bytes() const {
    std::string out;
    for (const std::string& l : lines_) {
        out += Utf8ToCp1251(l);
        out += "\r\n";
    }
    return out;
}

void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot create " + file.string());
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

void ReplaceFile(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::path temp = file;
    temp += ".tmp";
    std::error_code ec;
    try {
        WriteFileBytes(temp, bytes);
    } catch (...) {
        std::filesystem::remove(temp, ec);
        throw;
    }
    std::filesystem::rename(temp, file, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        throw std::runtime_error("cannot replace " + file.string());
    }
}

void TextWriter::commit() const { ReplaceFile(file_, bytes()); }

}  // namespace data
