#pragma once
// A fatal data error: the game shows the message and ends without saving.

#include <stdexcept>
#include <string>

namespace klev {

class FatalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace klev

namespace data {
using FatalError = klev::FatalError;
}  // namespace data
