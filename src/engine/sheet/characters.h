// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

// The sheet's texts are UTF-8 (headings and lines may hold accented letters): what the
// layout and the text model need to step through them by character and find their blanks.
namespace print {

// A byte that continues a character begun by an earlier byte.
constexpr bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Characters, not bytes.
inline std::size_t characterCount(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !isContinuationByte(c); }));
}

// The bytes of the character that starts at `at`: its first byte and those that continue it.
constexpr std::size_t characterLength(std::string_view text, std::size_t at)
{
    std::size_t length = 1;
    while (at + length < text.size() && isContinuationByte(text[at + length]))
        ++length;
    return length;
}

// A blank or a line break of the C locale, whatever the system's.
constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace print
