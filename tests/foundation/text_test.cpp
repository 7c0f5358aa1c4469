// Tests of the shared text helpers.
#include "foundation/text.h"

#include <gtest/gtest.h>

#include "foundation/file_names.h"

namespace torvane {
namespace {

TEST(Text, TrimRemovesCodesUpToSpaceOnly) {
  EXPECT_EQ(Trim(u"\x01\t a b \r\n\x00"), u"a b");
  EXPECT_EQ(Trim(std::u16string(u"\x00 x\x00", 4)), u"x");
  EXPECT_EQ(Trim(u"\u00a0x\u3000"), u"\u00a0x\u3000");  // no-break and ideographic spaces stay
  EXPECT_EQ(TrimLeft(u"  x  "), u"x  ");
  EXPECT_EQ(TrimRight(u"  x  "), u"  x");
}

TEST(Text, CaseChangesOnlyAsciiLetters) {
  EXPECT_EQ(UpperCase(u"abz\u00e9\u0444{"), u"ABZ\u00e9\u0444{");
  EXPECT_EQ(LowerCase(u"ABZ\u00c9@"), u"abz\u00c9@");
  EXPECT_TRUE(SameText(u"Version", u"VERSION"));
  EXPECT_FALSE(SameText(u"\u00e9", u"\u00c9"));
  EXPECT_FALSE(SameText(u"ab", u"abc"));
}

TEST(FileNames, InvalidUtf8BytesSurviveTheRoundTrip) {
  const std::string names[] = {"plain.inf", "\xe4\xb8\xad\xe6\x96\x87.inf", "bad\xff\xfe.inf",
                               "cut\xe4\xb8", "\xed\xb2\x80", "\xf0\x9f\x98\x80"};
  for (const std::string& name : names) {
    EXPECT_EQ(NativePath(FromNativeName(name)), name) << name;
  }
  EXPECT_EQ(FromNativeName("a\xff"), u"a\xdcff");
}

TEST(FileNames, BackslashesBecomeSlashes) {
  EXPECT_EQ(NativePath(u"E:\\Brisvale\\x.inf"), "E:/Brisvale/x.inf");
  EXPECT_EQ(NativePath(u"\\tmp\\\u4e2d"), "/tmp/\xe4\xb8\xad");
}

}  // namespace
}  // namespace torvane
