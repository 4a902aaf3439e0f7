#include "reference/julian_date.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include <ctime>
#include <fstream>

#include "support/temp_dir.h"

namespace orv {
namespace {

struct Row {
  CalendarDate date;
  CalendarDate julian;
};

TEST(JulianDate, StepsBackThirteenDaysAndCountsTheYearFromMarch22) {
  for (const Row& r : {
           // Into the month before, and the year starts again only on 22 March.
           Row{{2024, 4, 1}, {2023, 3, 19}},
           // January falls back into December of the year before.
           Row{{2024, 1, 5}, {2023, 12, 23}},
           // A day above 13 stays in its month.
           Row{{2024, 6, 14}, {2024, 6, 1}},
           Row{{2024, 4, 3}, {2023, 3, 21}},
           Row{{2024, 4, 4}, {2024, 3, 22}},
           Row{{2024, 3, 14}, {2023, 3, 1}},
           Row{{2024, 12, 31}, {2024, 12, 18}},
           Row{{2024, 2, 20}, {2023, 2, 7}},
       }) {
    EXPECT_EQ(ToJulian(r.date), r.julian)
        << r.date.year << "-" << r.date.month << "-" << r.date.day;
  }
}

TEST(JulianDate, EarlyMarchBorrowsFebruaryOfThatYear) {
  // 29 days in a leap year, including 2000; 28 in 1900 and in common years.
  EXPECT_EQ(ToJulian({2024, 3, 1}), (CalendarDate{2023, 2, 17}));
  EXPECT_EQ(ToJulian({2000, 3, 13}), (CalendarDate{1999, 2, 29}));
  EXPECT_EQ(ToJulian({1900, 3, 13}), (CalendarDate{1899, 2, 28}));
  EXPECT_EQ(ToJulian({2023, 3, 1}), (CalendarDate{2022, 2, 16}));
  EXPECT_EQ(ToJulian({2023, 5, 13}), (CalendarDate{2023, 4, 30}));
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2100, 2), 28);
  EXPECT_EQ(DaysInMonth(2024, 13), 0);
}

TEST(JulianDate, FormatsTwoDigitDayShortMonthAndFourDigitYear) {
  EXPECT_EQ(FormatJulianDate({2023, 3, 19}), "19 Mar 2023 A.D. (Julian)");
  EXPECT_EQ(FormatJulianDate({2024, 6, 1}), "01 Jun 2024 A.D. (Julian)");
  EXPECT_EQ(FormatJulianDate({999, 12, 23}), "23 Dec 0999 A.D. (Julian)");
}

TEST(JulianDate, FileDateComesFromTheModificationTime) {
  test::TempDir dir;
  const std::string file = dir.File("orvane");
  std::ofstream(file) << "x";
  // Noon local time, so no time zone moves the day.
  std::tm noon{};
  noon.tm_year = 2024 - 1900;
  noon.tm_mon = 0;
  noon.tm_mday = 5;
  noon.tm_hour = 12;
  noon.tm_isdst = -1;
  timeval times[2] = {{std::mktime(&noon), 0}, {std::mktime(&noon), 0}};
  ASSERT_EQ(::utimes(file.c_str(), times), 0);
  EXPECT_EQ(JulianFileDate(file), "23 Dec 2023 A.D. (Julian)");
  EXPECT_EQ(JulianFileDate(dir.File("missing")), "");
}

}  // namespace
}  // namespace orv
