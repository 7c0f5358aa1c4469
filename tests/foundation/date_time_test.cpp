// Tests of local date-times counted in days from 30 December 1899.
#include "foundation/date_time.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "foundation/error.h"
#include "support/time_zone.h"

namespace torvane {
namespace {

using testing::ScopedTimeZone;

TEST(DateTime, DatesCountDaysFromTheZeroTime) {
  struct Case {
    int year, month, day;
    double days;
  } const cases[] = {
      {1899, 12, 30, 0},
      {1899, 12, 31, 1},
      {1900, 1, 1, 2},
      {1900, 3, 1, 61},
      {1970, 1, 1, 25569},
      {2000, 1, 1, 36526},
      {2000, 2, 29, 36585},
      {2000, 3, 1, 36586},
      {2005, 6, 23, 36526 + 2000},
      {2010, 5, 6, 36526 + 3778},
      {2010, 12, 14, 36526 + 4000},
      {2027, 5, 19, 36526 + 10000},
      {1899, 12, 29, -1},
      {1, 1, 1, -693593},
      {9999, 12, 31, 2958465},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << "-" << c.day);
    EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.days);
    int year = 0, month = 0, day = 0;
    DecodeDate(c.days, year, month, day);
    EXPECT_EQ(year, c.year);
    EXPECT_EQ(month, c.month);
    EXPECT_EQ(day, c.day);
  }
}

TEST(DateTime, InvalidDatesAreRefused) {
  struct Case {
    int year, month, day;
  } const cases[] = {{2001, 2, 29}, {1900, 2, 29}, {2000, 2, 30}, {2000, 4, 31}, {2000, 13, 1},
                     {2000, 0, 1},  {2000, 1, 0},  {0, 1, 1},     {10000, 1, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << "-" << c.day);
    TDateTime untouched = 7;
    EXPECT_FALSE(TryEncodeDate(c.year, c.month, c.day, untouched));
    EXPECT_EQ(untouched, 7);
    try {
      EncodeDate(c.year, c.month, c.day);
      ADD_FAILURE() << "no error";
    } catch (const Error& e) {
      EXPECT_EQ(e.Message(), u"Invalid argument to date encode");
    }
  }
  EXPECT_TRUE(IsValidDate(2000, 2, 29));
  EXPECT_TRUE(IsValidDate(1600, 2, 29));
}

TEST(DateTime, TimeOfDayIsTheFractionAndCountsForwardBeforeTheZeroTime) {
  EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
  EXPECT_EQ(EncodeTime(24, 0, 0, 0), 1.0);
  EXPECT_EQ(ComposeDateTime(EncodeDate(2000, 1, 1), EncodeTime(18, 0, 0, 0)), 36526.75);
  const TDateTime before = ComposeDateTime(EncodeDate(1899, 12, 29), EncodeTime(6, 0, 0, 0));
  EXPECT_EQ(before, -1.25);

  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, ms = 0;
  DecodeDate(before, year, month, day);
  DecodeTime(before, hour, minute, second, ms);
  EXPECT_EQ((std::tuple{year, month, day, hour, minute, second, ms}),
            (std::tuple{1899, 12, 29, 6, 0, 0, 0}));
}

TEST(DateTime, DecodingRoundsToTheMillisecond) {
  const TDateTime last = EncodeDate(2010, 5, 6) + EncodeTime(23, 59, 59, 999);
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, ms = 0;
  DecodeDate(last, year, month, day);
  DecodeTime(last, hour, minute, second, ms);
  EXPECT_EQ((std::tuple{year, month, day, hour, minute, second, ms}),
            (std::tuple{2010, 5, 6, 23, 59, 59, 999}));

  // Less than half a millisecond before midnight is midnight, not 23:59:59.999 of the day before.
  const TDateTime almost = EncodeDate(2010, 5, 7) - 1e-10;
  DecodeDate(almost, year, month, day);
  DecodeTime(almost, hour, minute, second, ms);
  EXPECT_EQ((std::tuple{year, month, day, hour, minute, second, ms}),
            (std::tuple{2010, 5, 7, 0, 0, 0, 0}));
}

TEST(DateTime, UnixTimesAreReadInTheLocalTimeZone) {
  {
    ScopedTimeZone utc("UTC0");
    EXPECT_EQ(FromUnixTime({0, 0}), 25569);
    EXPECT_DOUBLE_EQ(FromUnixTime({86400 + 43200, 500000000}), 25570.5 + 0.5 / 86400);
  }
  {
    ScopedTimeZone east("<+08>-8");
    EXPECT_DOUBLE_EQ(FromUnixTime({0, 0}), 25569 + 8.0 / 24);
  }
}

TEST(DateTime, DayDifferencesKeepTheTimeOfDayAcrossSummerTime) {
  ScopedTimeZone zone("EST5EDT,M3.2.0,M11.1.0");
  // 13 and 14 March 2021 at noon, local: only 23 hours apart, but one day by the calendar.
  const TDateTime before = FromUnixTime({1615654800, 0});
  const TDateTime after = FromUnixTime({1615654800 + 23 * 3600, 0});
  EXPECT_DOUBLE_EQ(before, EncodeDate(2021, 3, 13) + 0.5);
  EXPECT_DOUBLE_EQ(after - before, 1.0);
}

TEST(DateTime, NowIsTheCurrentLocalTime) {
  ScopedTimeZone utc("UTC0");
  const TDateTime expected = 25569 + static_cast<double>(time(nullptr)) / 86400;
  EXPECT_NEAR(Now(), expected, 2.0 / 86400);
}

}  // namespace
}  // namespace torvane
