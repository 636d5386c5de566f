#include "calendar/date_argument.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

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

// Fields of each prefix of "31/12/9999", indexed by its length.
const std::int32_t prefix_fields[][3] = {
    {0, 0, 0},   {3, 0, 0},   {31, 0, 0},   {31, 0, 0},    {31, 1, 0},     {31, 12, 0},
    {31, 12, 0}, {31, 12, 9}, {31, 12, 99}, {31, 12, 999}, {31, 12, 9999},
};

// Each prefix lives in a heap block of exactly its length plus the
// terminator, so a memory checker sees any read past the end.
TEST(date_argument, stops_at_the_end_of_a_short_argument)
{
    const char full[] = "31/12/9999";
    for (std::size_t length = 0; length <= std::strlen(full); ++length) {
        const auto text = std::make_unique<char[]>(length + 1);
        std::memcpy(text.get(), full, length);
        text[length] = '\0';
        std::int32_t day, month, year;
        const int verdict = parse_date_argument(text.get(), &day, &month, &year);
        EXPECT_EQ(verdict, length == std::strlen(full) ? 0 : -1) << length;
        EXPECT_EQ(day, prefix_fields[length][0]) << length;
        EXPECT_EQ(month, prefix_fields[length][1]) << length;
        EXPECT_EQ(year, prefix_fields[length][2]) << length;
    }
}

} // namespace
