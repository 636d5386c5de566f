#include "calendar/date_argument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <numeric>
#include <string>

namespace {

struct reading {
    const char *text;
    int verdict;
    std::int32_t day, month, year;
};

const reading readings[] = {
    {"01/01/1753", 0, 1, 1, 1753},
    {"31/12/9999", 0, 31, 12, 9999},
    {"31/04/1753", 0, 31, 4, 1753}, // the month's length is checked later
    {"32/01/1753", -1, 32, 1, 1753},
    {"01/13/1753", -1, 1, 13, 1753},
    {"01/01/1752", -1, 1, 1, 1752},
    {"01/01/10000", -1, 1, 1, 10000}, // five year positions: not cut to 1000
    {"01/01/01753", 0, 1, 1, 1753},
    {"01/01/-1753", -1, 1, 1, -1753},
    {"00/02/1753", -1, 0, 2, 1753},
    {"01/00/2000", -1, 1, 0, 2000},
    {"-1/01/2000", -1, -1, 1, 2000},
    {"01/-1/2000", -1, 1, -1, 2000},
    {"+1/+2/+2000", 0, 1, 2, 2000},
    {"31/12/9999abc", 0, 31, 12, 9999},
    {"31/12/ 9999", 0, 31, 12, 9999},
    {"31/12/+9999", 0, 31, 12, 9999},
    {"01/01/17539", -1, 1, 1, 17539},  // position 10 belongs to the year
    {"01/01/01753999", 0, 1, 1, 1753}, // from position 11 on nothing is read
    {"0190111753", 0, 1, 1, 1753},     // nor are the separators' positions 2 and 5
    {"01-02-1753", 0, 1, 2, 1753},
    {"01.02.1753", 0, 1, 2, 1753},
    {"01\37702\2001753", 0, 1, 2, 1753}, // separators 0xff and 0x80
    {"\t5/\v6/\n\f\r175", -1, 5, 6, 17},
    {" 5/ 6/ 1753", 0, 5, 6, 1753},
    {"1/1/1753", -1, 1, 0, 53},             // without leading zeros the fields shift
    {"1\331/01/1753", 0, 1, 1, 1753},       // a high byte ends a number
    {"\2711/01/1753", -1, 0, 1, 1753},      // superscript one in Latin-1
    {"01/01/\357\274\221753", -1, 1, 1, 0}, // a fullwidth digit one in UTF-8
    {"- /+ /--753", -1, 0, 0, 0},
    {"", -1, 0, 0, 0},
};

TEST(date_argument, reads_fixed_positions_and_checks_ranges)
{
    for (const reading &r : readings) {
        std::int32_t day = 99, month = 99, year = 99;
        EXPECT_EQ(parse_date_argument(r.text, &day, &month, &year), r.verdict) << r.text;
        EXPECT_EQ(day, r.day) << r.text;
        EXPECT_EQ(month, r.month) << r.text;
        EXPECT_EQ(year, r.year) << r.text;
    }
}

// A date whose separators and position 11 are digits, 28/02/01999 then 9, so
// that a field read one position too wide changes its value.
const std::string accepted_date = "289029019999";

struct field {
    std::size_t first, width;
};
const field fields[] = {{0, 2}, {3, 2}, {6, 5}};

// Digits, the six white-space bytes, the signs, a separator, a letter and a
// byte above 127: one byte of each class that the conversion tells apart.
const std::string byte_classes = "019 \t\n\v\f\r+-/a\x80";

// The fields as the reader gives them, with its verdict last, read from a heap
// block of exactly the argument's size, so that the sanitizers see any read
// past its end.
std::array<std::int32_t, 4> reading_of(const std::string &text)
{
    const auto block = std::make_unique<char[]>(text.size() + 1);
    std::memcpy(block.get(), text.c_str(), text.size() + 1);
    std::array<std::int32_t, 4> r{};
    r[3] = parse_date_argument(block.get(), &r[0], &r[1], &r[2]);
    return r;
}

// The same worked out another way: each field's positions, up to the end of
// the argument, copied out and converted by std::atoi. Nothing sets a locale,
// so atoi's white space and digits are the "C" locale's.
std::array<std::int32_t, 4> reference_reading_of(const std::string &text)
{
    std::array<std::int32_t, 4> r{};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t first = std::min(fields[i].first, text.size());
        r[i] = std::atoi(text.substr(first, fields[i].width).c_str());
    }
    const bool accepted =
        r[0] >= 1 && r[0] <= 31 && r[1] >= 1 && r[1] <= 12 && r[2] >= 1753 && r[2] <= 9999;
    r[3] = accepted ? 0 : -1;
    return r;
}

// Every byte string up to each field's width stands in the field's positions
// of accepted_date, which either ends right after it or, for a full field,
// goes on. Strings of up to two bytes take every byte; longer ones one byte
// of each class.
TEST(date_argument, reads_every_field_as_the_reference_does)
{
    std::string all_bytes(255, '\0');
    std::iota(all_bytes.begin(), all_bytes.end(), '\1');
    for (const field &f : fields)
        for (std::size_t length = 0; length <= f.width; ++length) {
            const std::string &alphabet = length <= 2 ? all_bytes : byte_classes;
            std::size_t count = 1;
            for (std::size_t i = 0; i < length; ++i)
                count *= alphabet.size();
            for (std::size_t number = 0; number < count; ++number) {
                std::string text = accepted_date.substr(0, f.first);
                for (std::size_t rest = number; text.size() < f.first + length;
                     rest /= alphabet.size())
                    text += alphabet[rest % alphabet.size()];
                if (length == f.width)
                    text += accepted_date.substr(f.first + f.width);
                ASSERT_EQ(reading_of(text), reference_reading_of(text))
                    << "day, month, year and verdict of " << testing::PrintToString(text);
            }
        }
}

} // namespace
