// Tests of path texts: folder parts, full-path expansion and the checks before use.
#include "foundation/path_text.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "foundation/error.h"
#include "foundation/text.h"
#include "support/error_message.h"
#include "support/file_system.h"
#include "support/temp_dir.h"

namespace torvane {
namespace {

using testing::MessageOf;
using testing::PathText;

TEST(PathText, FolderParts) {
  struct Case {
    std::u16string_view path, with_separator, without_separator;
  } const cases[] = {
      {u"E:\\a\\b.inf", u"E:\\a\\", u"E:\\a"},
      {u"C:\\x.exe", u"C:\\", u"C:\\"},
      {u"C:x.exe", u"C:", u"C:"},
      {u"E:\\a\\", u"E:\\a\\", u"E:\\a"},
      {u"a\\\\b", u"a\\\\", u"a\\\\"},
      {u"\\\\server\\share\\x.inf", u"\\\\server\\share\\", u"\\\\server\\share"},
      {u"\\x.inf", u"\\", u"\\"},
      {u"b.inf", u"", u""},
      {u"", u"", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.path));
    EXPECT_EQ(ExtractFilePath(c.path), c.with_separator);
    EXPECT_EQ(ExtractFileDir(c.path), c.without_separator);
  }
}

TEST(PathText, TrailingDelimiterIsAddedOnce) {
  EXPECT_EQ(IncludeTrailingPathDelimiter(u"E:\\a"), u"E:\\a\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter(u"E:\\a\\"), u"E:\\a\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter(u"E:"), u"E:\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter(u""), u"\\");
}

TEST(PathText, FullPathsResolveDotsAndKeepTheirRoot) {
  struct Case {
    std::u16string_view path, full;
  } const cases[] = {
      {u"E:\\a\\..\\b", u"E:\\b"},
      {u"E:\\..\\..", u"E:\\"},
      {u"E:/a//b/./c/", u"E:\\a\\b\\c\\"},
      {u"E:x\\..\\y", u"E:y"},
      {u"E:", u"E:"},
      {u"\\tmp\\a\\.", u"\\tmp\\a"},
      {u"/tmp/a/", u"\\tmp\\a\\"},
      {u"\\\\?\\E:\\a\\..\\b", u"\\\\?\\E:\\a\\..\\b"},
      {u"", u""},
      {u"  ", u"  "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.path));
    EXPECT_EQ(ExpandFileName(c.path), c.full);
  }
}

TEST(PathText, RelativePathsJoinTheWorkingDirectory) {
  testing::TempDir temp;
  temp.MakeDir("work");
  testing::ScopedWorkingDirectory cd(temp.Join("work"));
  char cwd[PATH_MAX];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  const std::u16string work = PathText(cwd);
  const std::u16string parent = ExtractFileDir(work);

  EXPECT_EQ(ExpandFileName(u"a.inf"), work + u"\\a.inf");
  EXPECT_EQ(ExpandFileName(u"."), work);
  EXPECT_EQ(ExpandFileName(u".\\x\\..\\y\\"), work + u"\\y\\");
  EXPECT_EQ(ExpandFileName(u"../z"), parent + u"\\z");
}

TEST(PathText, ExpansionFailsWhenTheWorkingDirectoryIsGone) {
  testing::TempDir temp;
  temp.MakeDir("gone");
  testing::ScopedWorkingDirectory cd(temp.Join("gone"));
  ASSERT_EQ(rmdir(temp.Join("gone").c_str()), 0);
  EXPECT_EQ(MessageOf([] { ExpandFileName(u"x"); }), SystemErrorText(ENOENT));
  // Full texts need no working directory.
  EXPECT_EQ(ExpandFileName(u"E:\\x"), u"E:\\x");
}

TEST(PathText, ChecksRaiseTheFirstFailingConditionsMessage) {
  const std::u16string too_long = u"E:\\" + std::u16string(245, u'a');  // 248 code units
  struct Case {
    std::u16string path;
    std::size_t limit;
    std::u16string_view message;
  } const cases[] = {
      {u"E:\\a\\b", kMaxFolderPathLength, u""},
      {too_long.substr(0, 247), kMaxFolderPathLength, u""},
      {too_long, kMaxFolderPathLength, u"The specified path is too long"},
      {too_long, kMaxFilePathLength, u""},
      {u"E:\\" + std::u16string(256, u'a'), kMaxFilePathLength, u""},
      {u"E:\\" + std::u16string(257, u'a'), kMaxFilePathLength, u"The specified path is too long"},
      {u"\\\\?\\E:\\" + std::u16string(300, u'a'), kMaxFolderPathLength, u""},
      // The length is checked first, then the ":", then the characters.
      {too_long + u":|", kMaxFolderPathLength, u"The specified path is too long"},
      {u"E:\\a:b|", kMaxFolderPathLength, u"The path format is not supported"},
      {u"a:", kMaxFolderPathLength, u""},
      {u":a", kMaxFolderPathLength, u"The path format is not supported"},
      {u"1:\\a", kMaxFolderPathLength, u"The path format is not supported"},
      {u"\\a:", kMaxFolderPathLength, u"The path format is not supported"},
      {u"\\\\?\\E:\\a", kMaxFolderPathLength, u""},
      {u"\\\\?\\E:\\a:", kMaxFolderPathLength, u"The path format is not supported"},
      {u"", kMaxFolderPathLength, u"Invalid characters in path"},
      {u" \t ", kMaxFolderPathLength, u"Invalid characters in path"},
      {u"E:\\a\tb", kMaxFolderPathLength, u"Invalid characters in path"},
      {u"E:\\a\"b", kMaxFolderPathLength, u"Invalid characters in path"},
      {u"E:\\a|b", kMaxFolderPathLength, u"Invalid characters in path"},
      {u"E:\\a<b", kMaxFolderPathLength, u"Invalid characters in path"},
      {u"E:\\a>b", kMaxFolderPathLength, u"Invalid characters in path"},
      {u"E:\\a?*b \u4e2d", kMaxFolderPathLength, u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.path));
    EXPECT_EQ(MessageOf([&] { CheckPathText(c.path, c.limit); }), c.message);
  }
}

TEST(PathText, SearchPatternsHoldNoPathCharacters) {
  const std::u16string_view good[] = {u"*.inf", u"*", u"*.*", u"?a", u" *.inf ", u"\u4e2d*"};
  for (const std::u16string_view pattern : good) {
    EXPECT_EQ(MessageOf([&] { CheckSearchPattern(pattern); }), u"") << ToUtf8(pattern);
  }
  const std::u16string_view bad[] = {u"",     u"  ",  u"a/b", u"a:b",  u"a<",   u"a>",
                                     u"a\\b", u"a|b", u"a\"", u"\x01", u"*\x1f"};
  for (const std::u16string_view pattern : bad) {
    EXPECT_EQ(MessageOf([&] { CheckSearchPattern(pattern); }),
              u"Invalid characters in search pattern")
        << ToUtf8(pattern);
  }
}

}  // namespace
}  // namespace torvane
