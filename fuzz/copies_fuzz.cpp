// SPDX-License-Identifier: GPL-3.0-or-later
// Any text typed into the copies field: the reading never fails, never gives a count the
// dialog cannot print, and stops at the first character that cannot continue the number.
#include "check.h"

#include "engine/sheet/copies.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = print::leadingNumber(text);
    FUZZ_CHECK(!std::isnan(value));

    // Blanks in front and a letter behind change nothing.
    FUZZ_CHECK(print::leadingNumber(" \t" + text) == value ||
               text.find_first_not_of(" \t") == std::string::npos);
    FUZZ_CHECK(print::leadingNumber(text + "x") == value);

    const print::CopiesRequest request = print::readCopies(text);
    using Verdict = print::CopiesRequest::Verdict;
    switch (request.verdict) {
    case Verdict::Print:
        FUZZ_CHECK(request.count >= 1 && request.count <= print::MaxCopies);
        FUZZ_CHECK(request.count == static_cast<int>(std::floor(value)));
        break;
    case Verdict::OutOfRange:
        FUZZ_CHECK(value < 1.0 || value >= print::MaxCopies + 1.0);
        FUZZ_CHECK(request.count == 0);
        break;
    default:
        FUZZ_CHECK(false);
    }
    return 0;
}
