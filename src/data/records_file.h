#pragma once
// The shared records book "\Data\rec.cfg".

#include <filesystem>
#include <string>
#include <vector>

#include "model/records.h"

namespace data {

// Entries with Name (species key), Weight and Holder.
std::vector<klev::FishRecord> ReadRecordBook(const std::filesystem::path& file, const std::string& shownName,
                                             char sep);
std::string RecordBookBytes(const std::vector<klev::FishRecord>& book);

}  // namespace data
