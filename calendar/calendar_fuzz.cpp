// libFuzzer target: any byte string through the reader and, where the date
// is valid, through the weekday calculation, checked against std::chrono.

#include "calendar/date_argument.h"
#include "calendar/weekday.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

bool in_range(std::int32_t day, std::int32_t month, std::int32_t year)
{
    return day >= 1 && day <= 31 && month >= 1 && month <= 12 && year >= first_year &&
           year <= last_year;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Exactly the input and its terminator, so any read past it is caught.
    const auto text = std::make_unique<char[]>(size + 1);
    if (size > 0)
        std::memcpy(text.get(), data, size);
    text[size] = '\0';
    std::int32_t day = 0;
    std::int32_t month = 0;
    std::int32_t year = 0;
    const int verdict = parse_date_argument(text.get(), &day, &month, &year);
    if ((verdict == 0) != in_range(day, month, year))
        std::abort();
    if (verdict != 0)
        return 0;
    namespace chrono = std::chrono;
    const chrono::year_month_day date{chrono::year{year}, chrono::month{unsigned(month)},
                                      chrono::day{unsigned(day)}};
    // Past its month's end day_of_year would end the process, so it is not called.
    const bool fits = day <= month_lengths[is_leap_year(year) ? 1 : 0][month - 1];
    if (fits != date.ok())
        std::abort();
    if (!fits)
        return 0;
    const std::int32_t index =
        (day_of_year(day, month, year) + days_in_years(first_year, year)) % 7;
    if (index < 0 || unsigned(index) != chrono::weekday{date}.iso_encoding() - 1)
        std::abort();
    return 0;
}
