#pragma once

#include <cstdint>

// Reads a "dd/mm/yyyy" argument by fixed byte positions: the day from 0 and 1,
// the month from 3 and 4, the year from 6 to 10. The separators and anything
// from position 11 on are never examined, nor is anything past the terminator.
// Each field converts like atoi over its own bytes: leading white space, one
// optional sign, then ASCII digits up to the first other byte; no digits is 0.
// Writes all three fields, then returns 0 when day is 1 to 31, month 1 to 12
// and year first_year to last_year (all inclusive), and -1 otherwise.
int parse_date_argument(const char *text, std::int32_t *day_out, std::int32_t *month_out,
                        std::int32_t *year_out);
