// Reading and writing driver dates: the three date conventions and the day count text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/date_time.h"

namespace torvane {

/// The order in which a convention reads the numbers of a date text; "/" separates them.
enum class DateOrder { kMonthFirst, kDayFirst, kYearFirst };

/// The conventions in the order a driver date is tried with.
inline constexpr DateOrder kDateConventions[] = {DateOrder::kMonthFirst, DateOrder::kDayFirst,
                                                 DateOrder::kYearFirst};

/// Reads a date text of two or three numbers under one convention. Years of one or two digits
/// move into the century of current_year; two numbers name a day of current_year.
bool TryReadDate(std::u16string_view text, DateOrder order, int current_year, TDateTime& date);

/// "yyyy/m/d": a four-digit year, month and day without leading zeros.
std::u16string FormatDriverDate(TDateTime date);

/// Whole days from 1 January 2000, truncated toward zero.
int64_t DaysSince2000(TDateTime date);

/// The count in decimal, "0" put in front until it has four characters, the sign counted:
/// -1 gives "00-1", 12 gives "0012".
std::u16string DayCountText(int64_t days);

/// The number a day-count text stands for ("00-1" is -1); false for a text that is none.
bool ParseDayCount(std::u16string_view text, int64_t& days);

}  // namespace torvane
