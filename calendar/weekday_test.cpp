#include "calendar/weekday.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

namespace {

using namespace std::chrono;

// The proof over every date the reader accepts, against std::chrono: the day
// count rises by exactly one a day and matches chrono's count of days since
// 1 January 1753; the weekday index matches chrono's weekday.
TEST(weekday, counts_every_date_from_1753_to_9999)
{
    const sys_days epoch{year{first_year} / January / 1};
    ASSERT_EQ(weekday{epoch}, Monday);
    std::int32_t previous = -1;
    for (std::int32_t y = first_year; y <= last_year; ++y) {
        const std::int32_t whole_years = days_in_years(first_year, y);
        ASSERT_EQ(is_leap_year(y), year{y}.is_leap()) << y;
        ASSERT_EQ(whole_years, (sys_days{year{y} / January / 1} - epoch).count()) << y;
        for (unsigned m = 1; m <= 12; ++m) {
            const unsigned length = unsigned{(year{y} / month{m} / last).day()};
            ASSERT_EQ(month_lengths[is_leap_year(y) ? 1 : 0][m - 1], std::int32_t(length));
            for (unsigned d = 1; d <= length; ++d) {
                const year_month_day date{year{y}, month{m}, day{d}};
                const auto where = [&] { return testing::Message() << d << '/' << m << '/' << y; };
                const std::int32_t count =
                    whole_years + day_of_year(std::int32_t(d), std::int32_t(m), y);
                ASSERT_EQ(count, previous + 1) << where();
                ASSERT_EQ(count, (sys_days{date} - epoch).count()) << where();
                ASSERT_EQ(unsigned(count % 7), weekday{date}.iso_encoding() - 1) << where();
                previous = count;
            }
        }
    }
}

TEST(weekday, days_in_years_is_zero_for_an_empty_span)
{
    const std::int32_t spans[][2] = {{1753, 1753}, {2000, 2000}, {2001, 2000}, {9999, 1753}};
    for (const auto &span : spans)
        EXPECT_EQ(days_in_years(span[0], span[1]), 0) << span[0] << ".." << span[1];
}

// The names match the C library's, indexed by chrono's weekday encoding.
TEST(weekday, names_match_the_c_library)
{
    for (unsigned index = 0; index < 7; ++index) {
        std::tm time{};
        time.tm_wday = int(weekday{index + 1}.c_encoding());
        char name[16];
        ASSERT_GT(std::strftime(name, sizeof name, "%A", &time), 0u);
        EXPECT_STREQ(weekday_names[index], name);
    }
}

struct date {
    std::int32_t day, month, year;
};

const date beyond_month_end[] = {
    {29, 2, 1753}, {29, 2, 1900}, {29, 2, 2100}, {29, 2, 9999},  {30, 2, 2000},
    {31, 4, 2000}, {31, 6, 1753}, {31, 9, 2024}, {31, 11, 9999},
};

TEST(weekday_death, day_beyond_month_end_ends_the_process)
{
    for (const date &d : beyond_month_end)
        EXPECT_EXIT(day_of_year(d.day, d.month, d.year), testing::ExitedWithCode(FAILURE_STATUS),
                    "^Day number out of range for this month\r?\n$")
            << d.day << "/" << d.month << "/" << d.year;
}

} // namespace
