#include "data/text_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
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

namespace {

std::runtime_error SystemError(const std::string& what, const std::filesystem::path& file) {
    return std::runtime_error(what + " " + file.string() + ": " + std::strerror(errno));
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return true;
}

bool IsTemporaryOf(const std::string& name, const std::string& target) {
    return name.rfind(target + ".tmp", 0) == 0;
}

}  // namespace

void RemoveStaleTemporaries(const std::filesystem::path& file) {
    const std::string target = file.filename().string();
    std::error_code ec;
    for (std::filesystem::directory_iterator it(file.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        // unlink removes a planted link itself, never what it points to.
        if (IsTemporaryOf(name, target) && !it->is_directory(ec)) ::unlink(it->path().c_str());
    }
}

namespace {

// Reads a regular file without following a link; nullopt when there is none
// or it cannot be read.
std::optional<std::string> ReadRegular(const std::filesystem::path& file) {
    Descriptor in;
    in.fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    struct stat info {};
    if (in.fd < 0 || ::fstat(in.fd, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(in.fd, buffer, sizeof buffer);
        if (got == 0) return bytes;
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        bytes.append(buffer, std::size_t(got));
    }
}

void Replace(int folder, const std::filesystem::path& folderPath, const std::filesystem::path& file,
             const std::string& bytes) {
    // What a killed save left behind, and anything planted under such a name.
    RemoveStaleTemporaries(file);
    // A fresh name, created exclusively: an existing file or link of that
    // name makes the creation fail instead of being followed.
    std::string tempPath = (folderPath / (file.filename().string() + ".tmpXXXXXX")).string();
    Descriptor temp;
    temp.fd = ::mkostemp(tempPath.data(), O_CLOEXEC);
    if (temp.fd < 0) throw SystemError("cannot create a temporary file for", file);
    auto fail = [&](const char* what) {
        const int error = errno;
        ::unlink(tempPath.c_str());
        errno = error;
        return SystemError(what, file);
    };
    // The data reach the disk before the name points to them: a power cut
    // leaves either the old file or the new one, never an empty one.
    if (!WriteAll(temp.fd, bytes)) throw fail("cannot write");
    if (::fsync(temp.fd) != 0) throw fail("cannot write");
    const int closed = ::close(temp.fd);
    temp.fd = -1;
    if (closed != 0) throw fail("cannot write");
    if (::fsync(folder) != 0) throw fail("cannot write the folder of");
    if (::rename(tempPath.c_str(), file.c_str()) != 0) throw fail("cannot replace");
    // The rename itself reaches the disk.
    if (::fsync(folder) != 0) throw SystemError("cannot write the folder of", file);
}

}  // namespace

void ReplaceFile(const std::filesystem::path& file, const std::string& bytes, const std::filesystem::path& backup) {
    const std::filesystem::path folderPath = file.parent_path().empty() ? "." : file.parent_path();
    Descriptor folder;
    folder.fd = ::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder.fd < 0) throw SystemError("cannot open the folder of", file);
    // The previous file stays as the backup, itself replaced safely; only a
    // regular, non-empty file is worth keeping.
    if (!backup.empty())
        if (const auto old = ReadRegular(file); old && !old->empty()) Replace(folder.fd, folderPath, backup, *old);
    Replace(folder.fd, folderPath, file, bytes);
}

void TextWriter::commit() const { ReplaceFile(file_, bytes()); }

}  // namespace data
