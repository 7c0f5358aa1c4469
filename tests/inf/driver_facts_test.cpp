// Tests of driver dates, day counts, Windows targets and store categories.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include "foundation/date_time.h"
#include "foundation/file_names.h"
#include "foundation/text.h"
#include "inf/device_class.h"
#include "inf/driver_date.h"
#include "inf/inf_file.h"
#include "support/temp_dir.h"

namespace torvane {
namespace {

int ThisYear() {
  int y, m, d;
  DecodeDate(Now(), y, m, d);
  return y;
}

std::u16string Century(int two_digits) { return IntToStr(ThisYear() / 100 * 100 + two_digits); }

struct DateCase {
  std::u16string text;
  std::u16string date;   // empty: no convention accepts the text
  std::u16string count;
};

TEST(DriverDate, ConventionsAreTriedMonthThenDayThenYearFirst) {
  const std::u16string year = IntToStr(ThisYear());
  const DateCase cases[] = {
      {u"05/06/2010", u"2010/5/6", u"3778"},
      {u"13/05/2010", u"2010/5/13", u"3785"},
      {u"2010/05/06", u"2010/5/6", u"3778"},
      {u"5/6/10", Century(10) + u"/5/6", u""},
      {u"1/1/2000", u"2000/1/1", u"0000"},
      {u"12/31/1999", u"1999/12/31", u"00-1"},
      {u"12/1/1999", u"1999/12/1", u"0-31"},
      {u"1/1/1990", u"1990/1/1", u"-3652"},
      {u"6/1/2030", u"2030/6/1", u"11109"},
      {u"5/6", year + u"/5/6", u""},
      {u"13/5", year + u"/5/13", u""},
      {u" 06 / 21 / 2006 ", u"2006/6/21", u"2363"},
      {u"1/2/2010/", u"2010/1/2", u"3654"},
      {u"1/2/2010/ ", u"2010/1/2", u"3654"},
      {u"02010/1/1", u"2010/1/1", u"3653"},  // leading zeros are free
      {u"1/1/010", u"0010/1/1", u""},        // three digits: the year as written
      {u"2/29/2012", u"2012/2/29", u"4442"},
      {u"2010.05.06", u"", u""},
      {u"05/06/2010 1.0.0.1", u"", u""},
      {u"1/2/", u"", u""},
      {u"20105/1/1", u"", u""},
      {u"2/30/2010", u"", u""},
      {u"2/29/2011", u"", u""},
      {u"1/2/3/4", u"", u""},
      {u"\t1/2/2010", u"", u""},
      {u"", u"", u""},
  };
  for (const DateCase& c : cases) {
    TDateTime date = 0;
    bool read = false;
    for (DateOrder order : kDateConventions) {
      if (TryReadDate(c.text, order, ThisYear(), date)) {
        read = true;
        break;
      }
    }
    ASSERT_EQ(read, !c.date.empty()) << ToUtf8(c.text);
    if (!read) continue;
    EXPECT_EQ(FormatDriverDate(date), c.date) << ToUtf8(c.text);
    if (!c.count.empty()) {
      EXPECT_EQ(DayCountText(DaysSince2000(date)), c.count) << ToUtf8(c.text);
    }
  }
}

TEST(DriverDate, TwoDigitYearsFollowTheGivenCentury) {
  TDateTime date = 0;
  ASSERT_TRUE(TryReadDate(u"1/2/99", DateOrder::kMonthFirst, 2125, date));
  EXPECT_EQ(FormatDriverDate(date), u"2199/1/2");
  ASSERT_TRUE(TryReadDate(u"1/2/05", DateOrder::kMonthFirst, 1999, date));
  EXPECT_EQ(FormatDriverDate(date), u"1905/1/2");
}

TEST(DriverDate, DayCountTextAndItsNumber) {
  const struct {
    int64_t days;
    std::u16string text;
  } cases[] = {{0, u"0000"}, {12, u"0012"}, {-1, u"00-1"}, {-549, u"-549"}, {10000, u"10000"}};
  for (const auto& c : cases) {
    EXPECT_EQ(DayCountText(c.days), c.text);
    int64_t parsed = 99;
    ASSERT_TRUE(ParseDayCount(c.text, parsed)) << ToUtf8(c.text);
    EXPECT_EQ(parsed, c.days);
  }
  int64_t ignored;
  EXPECT_FALSE(ParseDayCount(u"", ignored));
  EXPECT_FALSE(ParseDayCount(u"12a", ignored));
}

TEST(DriverDate, TheFileDateStandsInForAnUnreadableDriverVer) {
  testing::TempDir dir;
  dir.WriteFile("a.inf", "x");
  // 1999-12-31 10:00 local time: the time of day makes the count truncate toward zero.
  struct tm local = {};
  local.tm_year = 99, local.tm_mon = 11, local.tm_mday = 31, local.tm_hour = 10, local.tm_isdst = -1;
  const time_t when = mktime(&local);
  struct utimbuf times = {when, when};
  ASSERT_EQ(utime(dir.Join("a.inf").c_str(), &times), 0);
  TInfFile inf(FromNativeName(dir.Join("a.inf")), std::string("x"));
  inf.InfDateCount(u"2010.05.06");
  EXPECT_EQ(inf.FDate, u"1999/12/31");
  EXPECT_EQ(inf.FDateCount, u"0000");
}

struct TargetCase {
  std::vector<std::u16string> ranges;
  std::u16string count;
  std::vector<TDriverVersion> targets;
};

TEST(DriverTargets, DecorationsAndDatesGiveTheTargets) {
  const TargetCase cases[] = {
      {{u"INTEL.NTX86=0=1", u"INTEL.NTAMD64=2=3"}, u"3778", {dvWin7x86, dvWin7x64}},
      {{u"INTEL.NTX86=0=1", u"INTEL.NTAMD64=2=3"}, u"4590", {dvWin7x86, dvWin7x64, dvWin8x86, dvWin8x64}},
      {{u"INTEL.NTX86=0=1", u"INTEL.NTAMD64=2=3"}, u"1826", {dvWinXPx86}},
      {{u"A.NTX86=0=0"}, u"2000", {}},
      {{u"A.NTX86=0=0"}, u"4000", {dvWin7x86}},
      {{u"A.NTX86=0=0"}, u"00-1", {dvWinXPx86}},
      // Counts from 19 May 2027 on have five digits; they still count as later than 4000.
      {{u"A.NTX86=0=0"}, u"10000", {dvWin7x86, dvWin8x86}},
      {{u"A.NTAMD64=0=0"}, u"11109", {dvWin7x64, dvWin8x64}},
      {{u"MFG.NTAMD64.6.2=0=0"}, u"0100", {dvWin8x64}},
      {{u"A.NTX86.6.0=0=0", u"A.NTAMD64.6.1=1=1"}, u"0100", {dvWin7x86, dvWin7x64}},
      {{u"A.NTX86.6.3=0=0", u"A.NTAMD64.6.0=1=1"}, u"9000", {dvWin7x64, dvWin8x86}},
      {{u"MFG=0=0"}, u"4590", {}},
      {{u"A.NT=0=0", u"A.NTIA64=1=1", u"A.NTARM=2=2", u"A.NTAMD64.10.0=3=3",
        u"A.NTAMD64.6.1.7601=4=4"},
       u"4590",
       {}},
  };
  for (const TargetCase& c : cases) {
    TInfFile inf(u"t.inf", std::string());
    for (const auto& r : c.ranges) inf.FManufacturer.Add(r);
    inf.FDateCount = c.count;
    inf.GetDriverVersion();
    CDriverVersion expected;
    for (TDriverVersion v : c.targets) expected.Include(v);
    EXPECT_EQ(inf.FDriverVersion.Bits(), expected.Bits())
        << ToUtf8(inf.FManufacturer.CommaText()) << " " << ToUtf8(c.count);
  }
}

TEST(DriverTargets, ASecondCallOnlyAdds) {
  TInfFile inf(u"t.inf", std::string());
  inf.FManufacturer.Add(u"A.NTX86=0=0");
  inf.FDateCount = u"1000";
  inf.GetDriverVersion();
  inf.FDateCount = u"5000";
  inf.GetDriverVersion();
  EXPECT_EQ(inf.FDriverVersion.Bits(), (1 << dvWinXPx86) | (1 << dvWin7x86) | (1 << dvWin8x86));
}

TEST(DeviceClass, TheLastMatchingRowWins) {
  const struct {
    std::u16string device_class, category;
  } cases[] = {
      {u"USBPrint", u"Printer"}, {u"Keyboard", u"HIDClass"}, {u"SCSIAdapter", u"Other"},
      {u"", u"Other"},           {u"Net", u"Net"},           {u"NetService", u"Net"},
      {u"MultiMedia", u"MEDIA"}, {u"DiskDrive", u"hdc"},     {u"SecurityDevices", u"Sensor"},
      {u"Dot4Print", u"Printer"}, {u"System", u"System"},    {u"USB", u"USB"},
      {u"SmartCardReader", u"CardReader"}, {u"Bluetooth", u"Bluetooth"},
      {u"Monitor", u"Monitor"},  {u"Display", u"Display"},   {u"Ports", u"Ports"},
      {u"Image", u"Image"},      {u"Modem", u"Modem"},       {u"Biometric", u"Sensor"},
      {u"Proximity NFC", u"NFC"}, {u"HIDClass", u"HIDClass"}, {u"SDHost", u"CardReader"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DeviceClassFolder(c.device_class), c.category) << ToUtf8(c.device_class);
  }
  EXPECT_TRUE(ClassMatchesKeywords(u"dot4", u"DOT,PRINT"));
  EXPECT_FALSE(ClassMatchesKeywords(u"D-O-T", u"DOT,PRINT"));
}

}  // namespace
}  // namespace torvane
