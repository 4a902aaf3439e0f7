#include "reference/julian_date.h"

#include <sys/stat.h>

#include <cstdio>
#include <ctime>

namespace orv {
namespace {

constexpr int kDaysPerMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The date pattern asks for the locale's short month names. The program
// runs under the C/English locale, and a date that changes with the user's
// locale would make the about box differ between machines for no gain, so
// the English names are fixed here.
constexpr const char* kShortMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  if (month < 1 || month > 12) return 0;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDaysPerMonth[month - 1];
}

CalendarDate ToJulian(CalendarDate d) {
  if (d.day > 13) {
    d.day -= 13;
  } else {
    if (--d.month < 1) {
      d.month = 12;
      --d.year;
    }
    d.day += DaysInMonth(d.year, d.month) - 13;
  }
  // The year begins on 22 March.
  if (d.month <= 2 || (d.month == 3 && d.day <= 21)) --d.year;
  return d;
}

std::string FormatJulianDate(const CalendarDate& julian) {
  const char* month = julian.month >= 1 && julian.month <= 12 ? kShortMonths[julian.month - 1] : "";
  char text[64];
  std::snprintf(text, sizeof text, "%02d %s %04d A.D. (Julian)", julian.day, month, julian.year);
  return text;
}

std::string JulianFileDate(const std::string& nativePath) {
  struct stat st;
  if (::stat(nativePath.c_str(), &st) != 0) return "";
  std::tm local{};
  if (::localtime_r(&st.st_mtime, &local) == nullptr) return "";
  CalendarDate date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
  return FormatJulianDate(ToJulian(date));
}

}  // namespace orv
