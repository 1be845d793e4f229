#include "flow/quoted_value.h"

#include <cstdio>

namespace flow {

namespace {

// The length of the UTF-8 character starting at `at`, or 0 when the bytes
// there are not one.
std::size_t characterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) >> 6) != 0x2) return 0;
    return length;
}

char32_t codePoint(std::string_view character) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(character[i]); };
    switch (character.size()) {
        case 1:
            return byte(0);
        case 2:
            return (byte(0) & 0x1Fu) << 6 | (byte(1) & 0x3Fu);
        case 3:
            return (byte(0) & 0x0Fu) << 12 | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
        default:
            return (byte(0) & 0x07u) << 18 | (byte(1) & 0x3Fu) << 12 | (byte(2) & 0x3Fu) << 6 |
                   (byte(3) & 0x3Fu);
    }
}

std::string escaped(const char* form, unsigned value) {
    char text[12];
    std::snprintf(text, sizeof text, form, value);
    return text;
}

// How a character shows in a quote: escaped when it would break or hide
// part of the line.
std::string shown(std::string_view character) {
    const char32_t c = codePoint(character);
    if (c == '\n') return "\\n";
    if (c == '\t') return "\\t";
    if (c == '\r') return "\\r";
    if (c < 0x20 || c == 0x7F) return escaped("\\x%02X", c);
    if ((c >= 0x80 && c < 0xA0) || c == 0x2028 || c == 0x2029) return escaped("\\u%04X", c);
    return std::string(character);
}

}  // namespace

std::string quoted(std::string_view text, std::size_t most) {
    std::string result = "«";
    std::size_t at = 0;
    for (std::size_t count = 0; at < text.size() && count < most; ++count) {
        const std::size_t length = characterLength(text, at);
        result += length == 0 ? escaped("\\x%02X", static_cast<unsigned char>(text[at]))
                              : shown(text.substr(at, length));
        at += length == 0 ? 1 : length;
    }
    if (at < text.size()) result += "…";
    return result + "»";
}

}  // namespace flow
