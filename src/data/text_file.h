#pragma once
// The one reader and the one writer of the game's text files: Windows-1251
// on disk with CR LF line ends, UTF-8 lines in memory. Every failure is a
// FatalError naming the file, the line number and the offending text.

#include <filesystem>
#include <string>
#include <vector>

#include "model/fatal_error.h"

namespace data {

class TextReader {
public:
    // Throws FatalError when the file cannot be opened. `shownName` is how
    // messages name the file.
    TextReader(const std::filesystem::path& file, std::string shownName);
    // Reads the lines of text already in memory (for tests).
    static TextReader FromLines(std::vector<std::string> lines, std::string shownName);

    bool atEnd() const { return next_ >= lines_.size(); }
    std::size_t lineCount() const { return lines_.size(); }
    // The number of the line read last (1-based).
    std::size_t lineNumber() const { return next_; }

    std::string readLine();
    void skipLine() { readLine(); }
    // Strict conversion into a 32-bit Long: a non-number is a type
    // mismatch, a number beyond the Long range an overflow.
    long long readStrictInt(char sep);
    long long readLenientInt();
    bool readBoolean(char sep);

    // A failure quotes at most this many characters of its line.
    static constexpr std::size_t QuotedChars = 200;

    // Fails on the line read last.
    [[noreturn]] void fail(const std::string& what) const;
    [[noreturn]] void failAt(std::size_t line, const std::string& what) const;

private:
    TextReader() = default;
    std::string shownName_;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

// Splits file bytes into lines (CR LF, CR or LF end a line).
std::vector<std::string> SplitLines(const std::string& bytes);

// Collects lines and writes them in one go: to a temporary file in the same
// folder, renamed over the target, so a failed write never destroys the old
// file. commit() throws std::runtime_error on failure.
class TextWriter {
public:
    explicit TextWriter(std::filesystem::path file) : file_(std::move(file)) {}
    void line(const std::string& utf8) { lines_.push_back(utf8); }
    void line(long long number) { lines_.push_back(std::to_string(number)); }
    std::string bytes() const;
    void commit() const;

private:
    std::filesystem::path file_;
    std::vector<std::string> lines_;
};

// Writes the whole file directly (no temporary), throwing on failure.
void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes);
// Replaces `file` with `bytes` so that a crash or a power cut at any moment
// leaves either the old or the new file whole: the bytes go to a temporary
// file of a fresh name in the same folder, created exclusively (a planted
// file or link of that name is never followed), flushed to the disk, then
// renamed over `file`, and the folder flushed before and after. When
// `backup` is given and `file` is a non-empty regular file, the old file is
// kept under that name. Temporaries left by a killed save are removed first.
// Throws std::runtime_error naming the file and the reason; the old file
// is then intact.
void ReplaceFile(const std::filesystem::path& file, const std::string& bytes,
                 const std::filesystem::path& backup = {});

// Removes the temporaries of `file` ("vrb.cfg.tmp..." beside it).
void RemoveStaleTemporaries(const std::filesystem::path& file);

}  // namespace data
