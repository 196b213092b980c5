#include "data/text_file.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

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

TextReader::TextReader(const std::filesystem::path& file, std::string shownName)
    : shownName_(std::move(shownName)) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw FatalError("File not found: " + shownName_);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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

long long TextReader::readLenientInt() { return LenientInteger(readLine()); }

bool TextReader::readBoolean(char sep) {
    const std::string text = readLine();
    if (auto v = BooleanText(text, sep)) return *v;
    fail("type mismatch: not true or false");
}

void TextReader::fail(const std::string& what) const { failAt(next_, what); }

void TextReader::failAt(std::size_t line, const std::string& what) const {
    std::string msg = shownName_ + ", line " + std::to_string(line) + ": " + what;
    if (line >= 1 && line <= lines_.size()) msg += ": \"" + lines_[line - 1] + "\"";
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
