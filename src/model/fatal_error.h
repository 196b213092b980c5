#pragma once
// A fatal data error: the game shows the message and ends without saving.

#include <stdexcept>
#include <string>

#include "data/text_codec.h"

namespace klev {

// The message quotes text from files the player may have edited: it is kept
// printable (control characters escaped) and short, whatever it quotes.
class FatalError : public std::runtime_error {
public:
    static constexpr std::size_t MaxMessageChars = 1000;
    explicit FatalError(const std::string& message)
        : std::runtime_error(data::Printable(message, MaxMessageChars)) {}
};

}  // namespace klev

namespace data {
using FatalError = klev::FatalError;
}  // namespace data
