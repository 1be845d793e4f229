// A value as a message quotes it: in «», at most a few dozen characters of
// it (then "…"), with line breaks and other control characters shown escaped
// (\n, \t, \x00, \u2028), so that a message stays one short line whatever
// the value holds.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace flow {

inline constexpr std::size_t kQuotedCharacters = 60;
// A file's name, long enough for the paths people use.
inline constexpr std::size_t kQuotedNameCharacters = 260;

// `text` is UTF-8; a byte that is not part of a character shows as \xNN.
std::string quoted(std::string_view text, std::size_t most = kQuotedCharacters);

}  // namespace flow
