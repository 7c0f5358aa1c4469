// Tests of the file encodings: the ANSI code page's Windows-like decoding and the Unicode forms.
#include "foundation/code_page.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "foundation/error.h"
#include "foundation/text.h"

namespace torvane {
namespace {

using namespace std::string_literals;

std::u16string Units(std::u16string_view s) { return std::u16string(s); }

TEST(CodePage, Gbk936DecodesPairsAndBadPairsAsWindowsDoes) {
  const auto page = CodePage::Open(936);
  struct Case {
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {"\xD6\xD0\xCE\xC4", u"\u4e2d\u6587"},
      {"plain [Version]", u"plain [Version]"},
      {"\x81\x20" "A", u"?A"},        // invalid trail: one "?" for both bytes
      {"\x81\x7F" "A", u"?A"},
      {"A\x81", u"A?"},               // lead byte at the end
      {"\x81\x00" "B"s, u"?\0B"s},    // a NUL after a lead byte stays a NUL
      {"\x80", u"\u20ac"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(page->Decode(c.bytes), c.text) << c.bytes;
  }
}

TEST(CodePage, Gbk936EncodesWithQuestionMarksForWhatItCannotHold) {
  const auto page = CodePage::Open(936);
  EXPECT_EQ(page->Encode(u"\u4e2d\u6587 x"), "\xD6\xD0\xCE\xC4 x");
  EXPECT_EQ(page->Encode(u"a\U0001F600b"), "a?b");
  EXPECT_EQ(page->Encode(u"\ufeff[Version]"), "?[Version]");  // default-ignorable, still "?"
  EXPECT_EQ(page->Encode(u"x\xd800y"), "x?y");                // unpaired surrogate
  EXPECT_EQ(page->Encode(u"x\xd800"), "x?");
  EXPECT_TRUE(page->ByteOrderMark().empty());
}

TEST(CodePage, SingleByteCodePages) {
  const auto page = CodePage::Open(1252);
  EXPECT_EQ(page->Decode("caf\xE9 \x80"), u"caf\u00e9 \u20ac");
  EXPECT_EQ(page->Encode(u"caf\u00e9 \u4e2d"), "caf\xE9 ?");
}

TEST(CodePage, UnicodeCodePagesCarryTheirMarks) {
  EXPECT_EQ(CodePage::Open(65001)->ByteOrderMark(), "\xEF\xBB\xBF");
  EXPECT_EQ(CodePage::Open(1200)->ByteOrderMark(), "\xFF\xFE");
  EXPECT_EQ(CodePage::Open(1201)->ByteOrderMark(), "\xFE\xFF");
  EXPECT_EQ(CodePage::Open(65001)->Decode("\xE4\xB8\xAD"), u"\u4e2d");
}

TEST(CodePage, UnknownNumberRaises) {
  EXPECT_THROW(CodePage::Open(12345), Error);
}

TEST(TextEncoding, Utf8ReplacesEachMaximalInvalidSubsequence) {
  struct Case {
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {"\xF0\x9F\x98" "A", u"\ufffdA"},
      {"\xC0\x80", u"\ufffd\ufffd"},
      {"\xED\xA0\x80", u"\ufffd\ufffd\ufffd"},
      {"\xE4\xB8\xAD\xFF", u"\u4e2d\ufffd"},
      {"a\0b"s, u"a\0b"s},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeText(TextEncoding::kUtf8, c.bytes), c.text) << c.bytes;
  }
  EXPECT_EQ(EncodeText(TextEncoding::kUtf8, u"\u4e2d\xdc00"), "\xE4\xB8\xAD\xEF\xBF\xBD");
}

TEST(TextEncoding, Utf16DropsAnOddLastByte) {
  EXPECT_EQ(DecodeText(TextEncoding::kUtf16LE, "a\0b\0c"s), u"ab");
  EXPECT_EQ(DecodeText(TextEncoding::kUtf16BE, "\0a\x4e\x2d"s), Units(u"a\u4e2d"));
  EXPECT_EQ(EncodeText(TextEncoding::kUtf16LE, u"a\u4e2d"), "a\0\x2d\x4e"s);
  EXPECT_EQ(EncodeText(TextEncoding::kUtf16BE, u"a\u4e2d"), "\0a\x4e\x2d"s);
}

}  // namespace
}  // namespace torvane

namespace torvane {
namespace {

// The system code page is read once per process, so the check runs in a child process of this
// test program with TORVANE_ACP set.
TEST(CodePageSystem, FollowsTorvaneAcp) {
  if (const char* expected = std::getenv("TORVANE_TEST_EXPECT_ACP")) {
    EXPECT_EQ(CodePage::System().Number(), std::atoi(expected));
    EXPECT_EQ(EncodeText(TextEncoding::kAnsi, u"caf\u00e9"), "caf\xE9");
    return;
  }
  if (std::getenv("TORVANE_ACP") == nullptr) EXPECT_EQ(CodePage::System().Number(), 936);
  const std::string self = std::filesystem::read_symlink("/proc/self/exe");
  const std::string command = "TORVANE_ACP=1252 TORVANE_TEST_EXPECT_ACP=1252 '" + self +
                              "' --gtest_filter=CodePageSystem.FollowsTorvaneAcp >/dev/null 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0);
}

}  // namespace
}  // namespace torvane
