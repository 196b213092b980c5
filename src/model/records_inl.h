#pragma once
#include <string>

#include "model/fatal_error.h"

namespace klev {

[[noreturn]] void FailSubscript(const char* listName, Long index);

template <class T>
T& At(std::vector<T>& list, Long index, const char* listName) {
    if (index < 1 || index > Long(list.size())) FailSubscript(listName, index);
    return list[std::size_t(index - 1)];
}

template <class T>
const T& At(const std::vector<T>& list, Long index, const char* listName) {
    if (index < 1 || index > Long(list.size())) FailSubscript(listName, index);
    return list[std::size_t(index - 1)];
}

}  // namespace klev
