// Reading and writing driver dates.
#include "inf/driver_date.h"

#include <cmath>

#include "foundation/text.h"

namespace torvane {

namespace {

struct Number {
  int value = 0;
  int digits = 0;  // leading zeros included
};

class DateScanner {
 public:
  explicit DateScanner(std::u16string_view text) : text_(text) {}

  void SkipSpaces() {
    while (p_ < text_.size() && text_[p_] == u' ') ++p_;
  }
  bool Take(char16_t c) {
    if (p_ < text_.size() && text_[p_] == c) {
      ++p_;
      return true;
    }
    return false;
  }
  bool AtEnd() const { return p_ == text_.size(); }

  // Digits up to the first non-digit, or until the value has reached 1000: "20105" reads 2010
  // and leaves "5" behind.
  bool ReadNumber(Number& n) {
    SkipSpaces();
    n = Number{};
    while (p_ < text_.size() && text_[p_] >= u'0' && text_[p_] <= u'9' && n.value < 1000) {
      n.value = n.value * 10 + (text_[p_] - u'0');
      ++n.digits;
      ++p_;
    }
    return n.digits > 0;
  }

 private:
  std::u16string_view text_;
  size_t p_ = 0;
};

}  // namespace

bool TryReadDate(std::u16string_view text, DateOrder order, int current_year, TDateTime& date) {
  DateScanner scan(text);
  Number n[3];
  int count = 0;
  if (!scan.ReadNumber(n[0])) return false;
  scan.SkipSpaces();
  if (!scan.Take(u'/')) return false;
  if (!scan.ReadNumber(n[1])) return false;
  count = 2;
  scan.SkipSpaces();
  if (scan.Take(u'/')) {
    if (!scan.ReadNumber(n[2])) return false;
    count = 3;
    scan.SkipSpaces();
    if (scan.Take(u'/')) scan.SkipSpaces();
  }
  if (!scan.AtEnd()) return false;

  int year, month, day;
  if (count == 3) {
    Number y;
    switch (order) {
      case DateOrder::kMonthFirst:
        month = n[0].value, day = n[1].value, y = n[2];
        break;
      case DateOrder::kDayFirst:
        day = n[0].value, month = n[1].value, y = n[2];
        break;
      case DateOrder::kYearFirst:
      default:
        y = n[0], month = n[1].value, day = n[2].value;
        break;
    }
    year = y.value;
    if (y.digits <= 2) year += current_year / 100 * 100;
  } else {
    year = current_year;
    if (order == DateOrder::kDayFirst) {
      day = n[0].value, month = n[1].value;
    } else {
      month = n[0].value, day = n[1].value;
    }
  }
  return TryEncodeDate(year, month, day, date);
}

std::u16string FormatDriverDate(TDateTime date) {
  int year, month, day;
  DecodeDate(date, year, month, day);
  std::u16string y = IntToStr(year);
  if (y.size() < 4) y.insert(0, 4 - y.size(), u'0');
  return y + u"/" + IntToStr(month) + u"/" + IntToStr(day);
}

int64_t DaysSince2000(TDateTime date) {
  return static_cast<int64_t>(std::trunc(date - EncodeDate(2000, 1, 1)));
}

std::u16string DayCountText(int64_t days) {
  std::u16string text = IntToStr(days);
  if (text.size() < 4) text.insert(0, 4 - text.size(), u'0');
  return text;
}

bool ParseDayCount(std::u16string_view text, int64_t& days) {
  size_t p = 0;
  while (p + 1 < text.size() && text[p] == u'0') ++p;
  bool negative = false;
  if (p < text.size() && text[p] == u'-') {
    negative = true;
    ++p;
  }
  if (p == text.size()) return false;
  int64_t value = 0;
  for (; p < text.size(); ++p) {
    if (text[p] < u'0' || text[p] > u'9' || value > (INT64_MAX - 9) / 10) return false;
    value = value * 10 + (text[p] - u'0');
  }
  days = negative ? -value : value;
  return true;
}

}  // namespace torvane
