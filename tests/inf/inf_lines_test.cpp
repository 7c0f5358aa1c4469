// Tests of the INF line store: it must read exactly as the line list reads the same text.
#include "inf/inf_lines.h"

#include <gtest/gtest.h>

#include <random>

#include "foundation/line_list.h"
#include "support/error_message.h"

namespace torvane {
namespace {

using namespace std::string_literals;
using testing::MessageOf;

InfLines LinesOf(std::u16string text) {
  InfLines lines;
  lines.SetText(std::move(text));
  return lines;
}

// Texts built from the characters that decide line breaks, names and values, so that every
// mix of CR, LF, NUL and "=" is met.
TEST(InfLines, SplitsTextsAsTheLineListDoes) {
  std::mt19937 random(7);
  const char16_t alphabet[] = {u'a', u'=', u'\r', u'\n', u'\0', u' ', u'\u7f51'};
  for (int round = 0; round < 2000; ++round) {
    std::u16string text;
    const int length = static_cast<int>(random() % 12);
    for (int k = 0; k < length; ++k) text += alphabet[random() % std::size(alphabet)];
    TStringList list;
    list.SetText(text);
    const InfLines lines = LinesOf(text);
    ASSERT_EQ(lines.ToVector(), list.ToVector()) << round;
    ASSERT_EQ(lines.Text(), list.Text()) << round;
    for (int i = 0; i < list.Count(); ++i) {
      ASSERT_EQ(lines.Names(i), list.Names(i)) << round;
      ASSERT_EQ(lines.ValueFromIndex(i), list.ValueFromIndex(i)) << round;
    }
  }
}

TEST(InfLines, ReadingPastEitherEndRaisesTheListIndexError) {
  const InfLines lines = LinesOf(u"a\r\nb");
  EXPECT_EQ(MessageOf([&] { lines.Strings(2); }), u"List index out of bounds (2)");
  EXPECT_EQ(MessageOf([&] { lines.Names(-1); }), u"List index out of bounds (-1)");
  EXPECT_EQ(MessageOf([&] { LinesOf(u"\0a"s).Strings(0); }), u"List index out of bounds (0)");
}

TEST(InfLines, LoadingDecodesAsTheLineListLoads) {
  const std::string cases[] = {
      "\xEF\xBB\xBF[Version]\r\nClass=Net",
      "\xFF\xFE[\0V\0]\0\r\0\n\0x\0"s,
      "\xFE\xFF\0[\0V\0]"s,
      "plain\r\n\xCD\xF8\xBF\xA8",
      "",
  };
  for (const std::string& bytes : cases) {
    TStringList list;
    list.LoadFromBytes(bytes);
    InfLines lines;
    lines.LoadFromBytes(bytes);
    EXPECT_EQ(lines.ToVector(), list.ToVector());
    EXPECT_EQ(lines.Encoding(), list.Encoding());
  }
}

}  // namespace
}  // namespace torvane
