#include "calendar/weekday.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

const std::int32_t month_lengths[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

const char *const weekday_names[7] = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday",
};

bool is_leap_year(std::int32_t year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

std::int32_t days_in_years(std::int32_t from_year, std::int32_t to_year)
{
    std::int32_t days = 0;
    for (std::int32_t year = from_year; year < to_year; ++year)
        days += is_leap_year(year) ? 366 : 365;
    return days;
}

std::int32_t day_of_year(std::int32_t day, std::int32_t month, std::int32_t year)
{
    const std::int32_t *lengths = month_lengths[is_leap_year(year) ? 1 : 0];
    if (day > lengths[month - 1]) {
        std::fputs("Day number out of range for this month\n", stderr);
        std::exit(-1);
    }
    std::int32_t days = day - 1;
    for (std::int32_t earlier = month - 1; earlier >= 1; --earlier)
        days += lengths[earlier - 1];
    return days;
}
