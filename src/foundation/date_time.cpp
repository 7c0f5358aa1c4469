// Local date-times as day counts from 30 December 1899.
#include "foundation/date_time.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "foundation/error.h"

namespace torvane {

namespace {

constexpr int64_t kMillisecondsPerDay = 86400000;
// 1 January 1970 counted from the zero time.
constexpr int64_t kUnixEpochDay = 25569;

// Days of the proleptic Gregorian calendar from 1 January 1970; any year, no checks.
int64_t DaysFromCivil(int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t year_of_era = year - era * 400;
  const int64_t day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t day_of_era = days - era * 146097;
  const int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int64_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int64_t month_index = (5 * day_of_year + 2) / 153;
  day = static_cast<int>(day_of_year - (153 * month_index + 2) / 5 + 1);
  month = static_cast<int>(month_index < 10 ? month_index + 3 : month_index - 9);
  year = static_cast<int>(year_of_era + era * 400 + (month <= 2 ? 1 : 0));
}

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

// The whole milliseconds of a date-time: the day (counted toward zero) and the time of day.
void SplitMilliseconds(TDateTime value, int64_t& day, int64_t& millisecond_of_day) {
  const int64_t total = std::llround(value * kMillisecondsPerDay);
  day = total / kMillisecondsPerDay;
  millisecond_of_day = std::llabs(total) % kMillisecondsPerDay;
}

}  // namespace

bool IsValidDate(int year, int month, int day) {
  static constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  const int last = kDaysInMonth[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
  return day <= last;
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result) {
  if (!IsValidDate(year, month, day)) return false;
  result = static_cast<TDateTime>(DaysFromCivil(year, month, day) + kUnixEpochDay);
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime result = 0;
  if (!TryEncodeDate(year, month, day, result)) throw Error(u"Invalid argument to date encode");
  return result;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  const int64_t milliseconds =
      ((static_cast<int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
  return static_cast<TDateTime>(milliseconds) / kMillisecondsPerDay;
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
  return date < 0 ? date - time : date + time;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
  int64_t whole_day = 0;
  int64_t millisecond_of_day = 0;
  SplitMilliseconds(value, whole_day, millisecond_of_day);
  CivilFromDays(whole_day - kUnixEpochDay, year, month, day);
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond) {
  int64_t whole_day = 0;
  int64_t ms = 0;
  SplitMilliseconds(value, whole_day, ms);
  millisecond = static_cast<int>(ms % 1000);
  second = static_cast<int>(ms / 1000 % 60);
  minute = static_cast<int>(ms / 60000 % 60);
  hour = static_cast<int>(ms / 3600000);
}

TDateTime FromUnixTime(const struct timespec& time) {
  struct tm local {};
  if (localtime_r(&time.tv_sec, &local) == nullptr) return 0;
  const int64_t day =
      DaysFromCivil(static_cast<int64_t>(local.tm_year) + 1900, local.tm_mon + 1, local.tm_mday) +
      kUnixEpochDay;
  const double seconds = (local.tm_hour * 60.0 + local.tm_min) * 60.0 + local.tm_sec +
                         static_cast<double>(time.tv_nsec) / 1e9;
  return ComposeDateTime(static_cast<TDateTime>(day), seconds / 86400.0);
}

TDateTime Now() {
  struct timespec now {};
  clock_gettime(CLOCK_REALTIME, &now);
  return FromUnixTime(now);
}

}  // namespace torvane
