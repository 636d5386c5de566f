// libFuzzer target: any byte string through the reader, checked against a
// reference reader that works another way: it copies each field's positions,
// up to the end of the argument, into a buffer of its own and converts that
// with std::atoi. The program never sets a locale, so atoi's white space and
// digits are the "C" locale's, the same as the reader's.

#include "calendar/date_argument.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

std::int32_t reference_field(const char *text, std::size_t length, std::size_t first,
                             std::size_t width)
{
    char buffer[6] = {};
    for (std::size_t at = first; at < first + width && at < length; ++at)
        buffer[at - first] = text[at];
    return std::atoi(buffer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Exactly the input and its terminator, so any read past it is caught.
    const auto text = std::make_unique<char[]>(size + 1);
    if (size > 0)
        std::memcpy(text.get(), data, size);
    text[size] = '\0';
    const std::size_t length = std::strlen(text.get());
    const std::int32_t day = reference_field(text.get(), length, 0, 2);
    const std::int32_t month = reference_field(text.get(), length, 3, 2);
    const std::int32_t year = reference_field(text.get(), length, 6, 5);
    const bool accepted =
        day >= 1 && day <= 31 && month >= 1 && month <= 12 && year > 1752 && year < 10000;
    std::int32_t read_day = 0;
    std::int32_t read_month = 0;
    std::int32_t read_year = 0;
    const int verdict = parse_date_argument(text.get(), &read_day, &read_month, &read_year);
    if (read_day != day || read_month != month || read_year != year ||
        verdict != (accepted ? 0 : -1))
        std::abort();
    return 0;
}
