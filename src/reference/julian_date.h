// The about box's program date: a calendar date turned into the program's
// Julian reckoning and written as "dd mmm yyyy A.D. (Julian)".
//
// The conversion is the program's own, not an astronomical one: it steps
// the date back 13 days and counts the year from 22 March, so 1 April 2024
// becomes 19 Mar 2023 and 14 June 2024 becomes 01 Jun 2024.
#pragma once

#include <string>

namespace orv {

struct CalendarDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// A year divisible by 4 and either not by 100 or by 400.
bool IsLeapYear(int year);

// Days in `month` (1..12) of `year`, February 29 in a leap year; 0 for a
// month outside 1..12.
int DaysInMonth(int year, int month);

// The Julian date of a calendar date. A day above 13 goes down by 13;
// otherwise the date moves into the month before (December of the year
// before for January) at day + (days of that month) - 13. Then the year goes
// back by one in January, February and up to 21 March.
// Requires: month 1..12 and day 1..31.
CalendarDate ToJulian(CalendarDate date);

// "dd mmm yyyy A.D. (Julian)": two-digit day, English short month name,
// four-digit year, e.g. "05 Dec 2023 A.D. (Julian)".
std::string FormatJulianDate(const CalendarDate& julian);

// The modification date (local time) of the file at `nativePath`, converted
// and formatted as above; "" when the file has no date (it is missing or
// cannot be examined).
std::string JulianFileDate(const std::string& nativePath);

}  // namespace orv
