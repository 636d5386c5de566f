#pragma once

#include <cstdint>

// The first whole Gregorian year in Britain and its colonies. Its 1 January,
// day count 0, was a Monday.
constexpr std::int32_t first_year = 1753;
// Years are written with four digits.
constexpr std::int32_t last_year = 9999;

// Days of each month, row 0 for a common year and row 1 for a leap year;
// column 0 is January.
extern const std::int32_t month_lengths[2][12];

// Index 0 is Monday, the weekday of day count 0.
extern const char *const weekday_names[7];

// Gregorian rule: every fourth year, except centuries not divisible by 400.
bool is_leap_year(std::int32_t year);

// Days in the whole years from from_year (inclusive) to to_year (exclusive);
// 0 when from_year is not below to_year. Counts one year at a time.
std::int32_t days_in_years(std::int32_t from_year, std::int32_t to_year);

// Zero-based day within the year, 0 to 365, of a one-based day (at most 31)
// in a one-based month (1 to 12). A day beyond the length of its month ends
// the process with a message on standard error and exit status -1.
std::int32_t day_of_year(std::int32_t day, std::int32_t month, std::int32_t year);
