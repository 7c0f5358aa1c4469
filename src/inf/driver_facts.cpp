// The finishing steps of a driver record: date, day count, version, provider, category, store
// folder and Windows targets.
#include "inf/inf_file.h"

#include "foundation/error.h"
#include "foundation/file_facts.h"
#include "foundation/text.h"
#include "inf/device_class.h"
#include "inf/driver_date.h"
#include "inf/manufacturer_map.h"

namespace torvane {

namespace {

int CurrentYear() {
  int year, month, day;
  DecodeDate(Now(), year, month, day);
  return year;
}

std::u16string TwoDigits(int n) {
  std::u16string text = IntToStr(n);
  if (text.size() < 2) text.insert(text.begin(), u'0');
  return text;
}

TDateTime FileDateOrRaise(const std::u16string& file_name) {
  TDateTime time = 0;
  if (!FileLastWriteTime(file_name, true, time)) {
    throw Error(u"Cannot read the date of \"" + file_name + u"\"");
  }
  return time;
}

}  // namespace

void TInfFile::FinishRecord(TStringList& version_list, const TStringList& mfgs_list) {
  std::u16string value = version_list.Values(u"DriverVer");
  std::u16string date_text;
  if (!value.empty()) {
    const size_t semicolon = value.find(u';');
    if (semicolon != std::u16string::npos) value.resize(semicolon);
    const size_t comma = value.find(u',');
    if (comma != std::u16string::npos) {
      date_text = Trim(std::u16string_view(value).substr(0, comma));
      FVersion = Trim(std::u16string_view(value).substr(comma + 1));
    } else {
      date_text = Trim(value);
      FVersion.clear();
    }
  } else {
    int year, month, day;
    DecodeDate(FileDateOrRaise(FFileName), year, month, day);
    date_text = IntToStr(year) + u"/" + TwoDigits(month) + u"/" + TwoDigits(day);
    FVersion.clear();
  }
  FIsDriver = FManufacturer.Count() > 0;
  for (char16_t& c : date_text) {
    if (c == u'-') c = u'/';
  }
  InfDateCount(date_text);

  FProvider = version_list.Values(u"Provider");
  FDeviceClass = version_list.Values(u"Class");
  FCatalogFile = version_list.Values(u"CatalogFile");
  FProvider = LookUpProvider(mfgs_list, FProvider);
  if (FProvider.empty()) FProvider = u"Other";
  const std::u16string category = DeviceClassFolder(FDeviceClass);
  FDirectory = u"Drivers\\Files\\" + category + u"\\" + FProvider + u"\\[" + FVersion + u"]";
  GetDriverVersion();
}

void TInfFile::InfDateCount(std::u16string_view date_str) {
  const int current_year = CurrentYear();
  TDateTime date = 0;
  bool read = false;
  for (DateOrder order : kDateConventions) {
    if (TryReadDate(date_str, order, current_year, date)) {
      read = true;
      break;
    }
  }
  if (!read) date = FileDateOrRaise(FFileName);
  FDate = FormatDriverDate(date);
  FDateCount = DayCountText(DaysSince2000(date));
}

// Day counts are compared as numbers: compared as texts, every count from 19 May 2027 on (five
// digits, starting with "1") would sort below "2000" and lose its Windows 7 and 8 targets.
void TInfFile::GetDriverVersion() {
  const std::u16string t = FManufacturer.CommaText();
  auto has = [&t](std::u16string_view decoration) {
    return t.find(decoration) != std::u16string::npos;
  };
  int64_t days = 0;
  const bool numeric = ParseDayCount(FDateCount, days);
  auto compare = [&](int64_t bound) -> int {
    if (numeric) return days < bound ? -1 : (days > bound ? 1 : 0);
    return FDateCount.compare(IntToStr(bound));
  };
  const bool x86 = has(u".NTX86="), amd64 = has(u".NTAMD64=");
  if (x86 && compare(2000) < 0) FDriverVersion.Include(dvWinXPx86);
  if ((x86 && compare(2000) > 0) || has(u".NTX86.6.0=") || has(u".NTX86.6.1=")) {
    FDriverVersion.Include(dvWin7x86);
  }
  if ((amd64 && compare(2000) > 0) || has(u".NTAMD64.6.0=") || has(u".NTAMD64.6.1=")) {
    FDriverVersion.Include(dvWin7x64);
  }
  if ((x86 && compare(4000) > 0) || has(u".NTX86.6.2=") || has(u".NTX86.6.3=")) {
    FDriverVersion.Include(dvWin8x86);
  }
  if ((amd64 && compare(4000) > 0) || has(u".NTAMD64.6.2=") || has(u".NTAMD64.6.3=")) {
    FDriverVersion.Include(dvWin8x64);
  }
}

}  // namespace torvane
