#pragma once
// A fatal data error: the game shows the message and ends without saving.

#include <stdexcept>
#include <string>

namespace data {

class FatalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace data
