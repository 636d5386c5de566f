#include "calendar/date_argument.h"

#include "calendar/weekday.h"

#include <cstdint>

namespace {

// One past the last position that any field reads.
constexpr int argument_width = 11;

bool is_white_space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of text, but no more than argument_width: bytes beyond are never read.
int bounded_length(const char *text)
{
    int length = 0;
    while (length < argument_width && text[length] != '\0')
        ++length;
    return length;
}

// Value of the bytes from first up to first + width, cut at length. At most
// five bytes, so the value cannot overflow.
std::int32_t field_value(const char *text, int length, int first, int width)
{
    const int end = first + width < length ? first + width : length;
    int at = first;
    while (at < end && is_white_space(text[at]))
        ++at;
    const bool negative = at < end && text[at] == '-';
    if (at < end && (text[at] == '-' || text[at] == '+'))
        ++at;
    std::int32_t value = 0;
    for (; at < end && is_digit(text[at]); ++at)
        value = value * 10 + (text[at] - '0');
    return negative ? -value : value;
}

} // namespace

int parse_date_argument(const char *text, std::int32_t *day_out, std::int32_t *month_out,
                        std::int32_t *year_out)
{
    const int length = bounded_length(text);
    *day_out = field_value(text, length, 0, 2);
    *month_out = field_value(text, length, 3, 2);
    *year_out = field_value(text, length, 6, 5);
    if (*day_out < 1 || *day_out > 31 || *month_out < 1 || *month_out > 12)
        return -1;
    if (*year_out < first_year || *year_out > last_year)
        return -1;
    return 0;
}
