#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "calendar/date_argument.h"
#include "calendar/weekday.h"

namespace {

// Two blanks after the colon and after the layout; the name is fixed, not
// taken from argv[0], so the text is the same under any executable name.
const char usage_message[] = "Usage:  morvalen dd/mm/yyyy  (NB: 1752 < year < 10000)\n";

// A weekday that never reached its reader must not end with status 0.
const char write_error_message[] = "Write error on standard output\n";

// Every failure: one line on standard error, whose own write errors are
// ignored, then exit status -1 (255 where only eight bits are reported).
[[noreturn]] void fail(const char *message)
{
    std::fputs(message, stderr);
    std::exit(-1);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2)
        fail(usage_message);
    std::int32_t day;
    std::int32_t month;
    std::int32_t year;
    if (parse_date_argument(argv[1], &day, &month, &year) != 0)
        fail(usage_message);
    // A day beyond its month ends the run here, before the years are counted.
    const std::int32_t day_in_year = day_of_year(day, month, year);
    // Accepted dates are never before day count 0, so the index is 0 to 6.
    const std::int32_t day_count = day_in_year + days_in_years(first_year, year);
    std::printf("%s\n", weekday_names[day_count % 7]);
    // Some file systems report a failed write only when the file is closed.
    if (std::ferror(stdout) != 0 || std::fclose(stdout) != 0)
        fail(write_error_message);
    return 0;
}
