// Local date-times as the system counts them: days and fractions of a day from 30 Dec 1899.
#pragma once

#include <time.h>

namespace torvane {

/// Whole days from 30 December 1899 (the zero time) plus the fraction of the day, in local
/// time. Before the zero time the whole part counts back and the fraction still counts the time
/// of day forward, so -1.25 is 29 December 1899 at 06:00. The difference of two date-times
/// after the zero time is a number of days.
using TDateTime = double;

/// True for a calendar date of the proleptic Gregorian calendar, years 1 to 9999.
bool IsValidDate(int year, int month, int day);
/// The date at midnight; false when the date is not valid.
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
/// The date at midnight; raises "Invalid argument to date encode" for a date that is not valid.
TDateTime EncodeDate(int year, int month, int day);
/// The time of day as a fraction of a day; the values are not range-checked, so 24:00 is 1.0.
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
/// A date and a time of day as one date-time, keeping the convention above for days before
/// the zero time.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

/// The calendar date of a date-time, after rounding to the millisecond.
void DecodeDate(TDateTime value, int& year, int& month, int& day);
/// The time of day of a date-time, after rounding to the millisecond.
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);

/// A file-system time in the local time zone (TZ honoured).
TDateTime FromUnixTime(const struct timespec& time);
/// The current local date and time.
TDateTime Now();

}  // namespace torvane
