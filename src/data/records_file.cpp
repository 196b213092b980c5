#include "data/records_file.h"

#include "data/text_file.h"

namespace data {

std::vector<klev::FishRecord> ReadRecordBook(const std::filesystem::path& file, const std::string& shownName,
                                             char sep) {
    TextReader r(file, shownName);
    const long long n = r.readStrictInt(sep);
    if (n < 0) r.fail("negative number of records");
    std::vector<klev::FishRecord> book;
    for (long long i = 0; i < n; ++i) {
        klev::FishRecord& e = book.emplace_back();
        e.Name = r.readLine();
        e.Weight = r.readStrictInt(sep);
        e.Holder = r.readLine();
    }
    return book;
}

std::string RecordBookBytes(const std::vector<klev::FishRecord>& book) {
    TextWriter w("");
    w.line(static_cast<long long>(book.size()));
    for (const klev::FishRecord& e : book) {
        w.line(e.Name);
        w.line(e.Weight);
        w.line(e.Holder);
    }
    return w.bytes();
}

}  // namespace data
