// Tests of the folder walk and listing, file and folder facts, and file deletion.
#include "foundation/file_facts.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <initializer_list>
#include <string>
#include <vector>

#include "foundation/error.h"
#include "foundation/file_names.h"
#include "foundation/text.h"
#include "support/error_message.h"
#include "support/file_system.h"
#include "support/temp_dir.h"
#include "support/time_zone.h"

namespace torvane {
namespace {

using testing::MessageOf;
using testing::PathText;
using testing::TempDir;
using Paths = std::vector<std::u16string>;

// Creates the entries below the temporary folder; a name ending in "\" is a folder, any other an
// empty file. Names are path texts and may hold any character.
void Build(const TempDir& temp, std::initializer_list<std::u16string_view> entries) {
  for (const std::u16string_view entry : entries) {
    const std::string native = NativePath(entry);
    if (native.ends_with('/')) {
      temp.MakeDir(native);
    } else {
      temp.WriteFile(native, "");
    }
  }
}

void Link(const TempDir& temp, const char* target, const std::string& link) {
  ASSERT_EQ(symlink(target, temp.Join(link).c_str()), 0) << link;
}

// Each text joined to a folder text with "\".
Paths Under(const std::u16string& folder, std::initializer_list<std::u16string_view> names) {
  Paths paths;
  for (const std::u16string_view name : names)
    paths.push_back(folder + u"\\" + std::u16string(name));
  return paths;
}

TEST(FilePattern, MatchesWholeNamesIgnoringAsciiCase) {
  struct Case {
    std::u16string_view name, pattern;
    bool matches;
  } const cases[] = {
      {u"a.inf", u"*.inf", true},
      {u"A.INF", u"*.inf", true},
      {u"b.c.inf", u"*.inf", true},
      {u".inf", u"*.inf", true},
      {u"x.info", u"*.inf", false},
      {u"a.inf.bak", u"*.inf", false},
      {u"ainf", u"*.inf", false},
      {u"README", u"*", true},
      {u"README", u"*.*", true},
      {u"README", u"*.?*", false},
      {u"a", u"?", true},
      {u"ab", u"?", false},
      {u"", u"?", false},
      {u"ab", u"a?", true},
      {u"x.inf", u"X.inF", true},
      {u"\u00e9.inf", u"\u00c9.INF", false},
      {u"\u00e9.INF", u"\u00e9.inf", true},
      {u"abcabd", u"*abd", true},
      {u"aXbXc", u"a*b*c", true},
      {u"aXbXcX", u"a*b*c", false},
      {u"a", u"a***", true},
      {u"ab", u"*?*?*", true},
      {u"a", u"*?*?*", false},
      {u"a*b", u"a*b", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.matches)
        << ToUtf8(c.name) << " ~ " << ToUtf8(c.pattern);
  }
}

TEST(FolderWalk, IsDepthFirstAndPreOrder) {
  TempDir temp;
  Build(temp, {u"F\\a.inf", u"F\\b\\x.inf", u"F\\b\\y.txt", u"F\\b\\deeper\\z.inf", u"F\\c.inf"});
  const std::u16string f = PathText(temp.Join("F"));
  const Paths all = Under(f, {u"a.inf", u"b\\deeper\\z.inf", u"b\\x.inf", u"c.inf"});
  EXPECT_EQ(WalkFiles(f, u"*.inf", true), all);
  EXPECT_EQ(WalkFiles(f + u"\\", u"*.inf", true), all);
  EXPECT_EQ(WalkFiles(f, u"*.inf", false), Under(f, {u"a.inf", u"c.inf"}));

  EXPECT_EQ(ListFolders(f, u"*", true), Under(f, {u"b", u"b\\deeper"}));
  EXPECT_EQ(ListFolders(f + u"\\", u"*", false), Under(f, {u"b"}));
  EXPECT_EQ(ListFolders(f, u"d*", true), Under(f, {u"b\\deeper"}));
}

TEST(FolderWalk, OrdersNamesByUpperCasedCodeUnits) {
  TempDir temp;
  Build(temp, {u"F\\B.inf", u"F\\a.inf", u"F\\_x.inf", u"F\\A.inf", u"F\\.hidden.inf",
               u"F\\\u00ca.inf", u"F\\\u00e9.inf", u"F\\\U00010428a.inf", u"F\\\U00010400b.inf"});
  const std::u16string f = PathText(temp.Join("F"));
  // Upper-cased, the names compare as ".HIDDEN.INF" < "A.INF" (twice: the original "A" before
  // "a" breaks the tie) < "B.INF" < "_X.INF" < "\u00c9.INF" (from e acute) < "\u00ca.INF" < the
  // two names outside the BMP, whose surrogates are not upper-cased: U+10400 before U+10428,
  // whatever follows.
  EXPECT_EQ(WalkFiles(f, u"*", false),
            Under(f, {u".hidden.inf", u"A.inf", u"a.inf", u"B.inf", u"_x.inf", u"\u00e9.inf",
                      u"\u00ca.inf", u"\U00010400b.inf", u"\U00010428a.inf"}));
}

TEST(FolderWalk, MatchesThePatternAgainstFileNamesOnly) {
  TempDir temp;
  Build(temp, {u"F\\A.INF", u"F\\x.info", u"F\\a.inf.bak", u"F\\ainf", u"F\\README",
               u"F\\sub.inf\\in.inf", u"F\\sub.inf\\in.txt"});
  const std::u16string f = PathText(temp.Join("F"));
  EXPECT_EQ(WalkFiles(f, u"*.inf", false), Under(f, {u"A.INF"}));
  EXPECT_EQ(WalkFiles(f, u"*.inf", true), Under(f, {u"A.INF", u"sub.inf\\in.inf"}));
  EXPECT_EQ(WalkFiles(f, u"*", false),
            Under(f, {u"A.INF", u"a.inf.bak", u"ainf", u"README", u"x.info"}));
  EXPECT_EQ(ListFolders(f, u"*.inf", false), Under(f, {u"sub.inf"}));
  EXPECT_EQ(ListFolders(f, u"*.txt", true), Paths{});
}

TEST(FolderWalk, RelativeFolderTextsGiveRelativePaths) {
  TempDir temp;
  Build(temp, {u"F\\a.inf", u"F\\s\\b.inf"});
  testing::ScopedWorkingDirectory cd(temp.path());
  const Paths expected = {u"F\\a.inf", u"F\\s\\b.inf"};
  EXPECT_EQ(WalkFiles(u"F", u"*.inf", true), expected);
  EXPECT_EQ(WalkFiles(u"F\\", u"*.inf", true), expected);
  EXPECT_EQ(WalkFiles(u".\\F", u"*.inf", false), Paths{u".\\F\\a.inf"});
  EXPECT_EQ(ListFolders(u"F", u"*", true), Paths{u"F\\s"});
}

TEST(FolderWalk, EntersFolderLinksButNeverOneBackOnItsPath) {
  TempDir temp;
  Build(temp, {u"F\\a\\x.inf", u"F\\c\\y.inf"});
  Link(temp, "..", "F/a/up");
  Link(temp, ".", "F/a/self");
  Link(temp, "a", "F/b");
  Link(temp, "missing", "F/dangling.inf");
  Link(temp, "a/x.inf", "F/link.inf");
  const std::u16string f = PathText(temp.Join("F"));
  // "b" leads to the sibling "a", which is not on the walk path, so it is entered; inside it,
  // "up" and "self" lead back to folders on the path. Links that lead to no folder are files.
  EXPECT_EQ(WalkFiles(f, u"*.inf", true),
            Under(f, {u"a\\x.inf", u"b\\x.inf", u"c\\y.inf", u"dangling.inf", u"link.inf"}));
  EXPECT_EQ(ListFolders(f, u"*", true),
            Under(f, {u"a", u"a\\self", u"a\\up", u"b", u"b\\self", u"b\\up", u"c"}));
  EXPECT_EQ(WalkFiles(f + u"\\b", u"*", false), Under(f + u"\\b", {u"x.inf"}));
}

TEST(FolderWalk, SkipsFoldersThatCannotBeRead) {
  TempDir temp;
  Build(temp, {u"F\\a.inf", u"F\\locked\\x.inf", u"F\\sub\\ok.inf", u"F\\z.inf"});
  ASSERT_EQ(chmod(temp.path().c_str(), 0755), 0);
  ASSERT_EQ(chmod(temp.Join("F/locked").c_str(), 0), 0);
  const std::u16string f = PathText(temp.Join("F"));

  const testing::UnprivilegedResult walk =
      testing::RunUnprivileged([&] { return WalkFiles(f, u"*.inf", true); });
  if (!walk.ran) GTEST_SKIP() << "cannot drop privileges";
  EXPECT_EQ(walk.error, u"");
  EXPECT_EQ(walk.texts, Under(f, {u"a.inf", u"sub\\ok.inf", u"z.inf"}));

  const testing::UnprivilegedResult list =
      testing::RunUnprivileged([&] { return ListFolders(f, u"*", true); });
  EXPECT_EQ(list.error, u"");
  EXPECT_EQ(list.texts, Under(f, {u"locked", u"sub"}));

  const testing::UnprivilegedResult top =
      testing::RunUnprivileged([&] { return WalkFiles(f + u"\\locked", u"*", true); });
  EXPECT_EQ(top.error, u"");
  EXPECT_EQ(top.texts, Paths{});
}

TEST(FolderWalk, ChecksTheFolderBeforeReadingIt) {
  TempDir temp;
  Build(temp, {u"F\\a.inf"});
  const std::u16string f = PathText(temp.Join("F"));
  struct Case {
    std::u16string folder, pattern;
    std::u16string_view message;
  } const cases[] = {
      {f, u"*", u""},
      {f, u"", u"Invalid characters in search pattern"},
      {f, u"\\*", u"Invalid characters in search pattern"},
      // The pattern is checked before the folder.
      {f + u"\\missing", u" ", u"Invalid characters in search pattern"},
      {u"", u"*.inf", u"Invalid characters in path"},
      {u"   ", u"*.inf", u"Invalid characters in path"},
      {f + u"\\a|b", u"*", u"Invalid characters in path"},
      {f + u"\\x:y", u"*", u"The path format is not supported"},
      {f + u"\\" + std::u16string(250, u'a'), u"*", u"The specified path is too long"},
      {f + u"\\missing", u"*", u"The specified path was not found"},
      {f + u"\\a.inf", u"*", u"The specified path was not found"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.folder) + " " + ToUtf8(c.pattern));
    EXPECT_EQ(MessageOf([&] { WalkFiles(c.folder, c.pattern, true); }), c.message);
    EXPECT_EQ(MessageOf([&] { ListFolders(c.folder, c.pattern, true); }), c.message);
  }
}

TEST(FolderWalk, WalkChecksTheFullPathAndListingTheTextAsGiven) {
  TempDir temp;
  const std::string deep(230, 'd');
  Build(temp, {FromNativeName(deep + "/d/e/"), u"a:b\\f.inf"});
  {
    // "d" is short, but its full path is longer than a folder path may be.
    testing::ScopedWorkingDirectory cd(temp.Join(deep));
    EXPECT_EQ(MessageOf([] { WalkFiles(u"d", u"*", true); }), u"The specified path is too long");
    EXPECT_EQ(ListFolders(u"d", u"*", true), Paths{u"d\\e"});
    EXPECT_NE(FolderCreationTime(u"d"), 0);
  }
  // A text that starts with a drive is full as it is; here the drive is a folder below the
  // working directory.
  testing::ScopedWorkingDirectory cd(temp.path());
  EXPECT_EQ(WalkFiles(u"a:b", u"*", true), Paths{u"a:b\\f.inf"});
  EXPECT_EQ(MessageOf([] { WalkFiles(u"ab:", u"*", true); }), u"The path format is not supported");
  EXPECT_EQ(MessageOf([] { ListFolders(u"ab:", u"*", true); }),
            u"The path format is not supported");
}

TEST(FolderWalk, ExpansionFailsFirstWhenTheWorkingDirectoryIsGone) {
  TempDir temp;
  temp.MakeDir("gone");
  testing::ScopedWorkingDirectory cd(temp.Join("gone"));
  ASSERT_EQ(rmdir(temp.Join("gone").c_str()), 0);
  EXPECT_EQ(MessageOf([] { WalkFiles(u"x", u"", true); }), SystemErrorText(ENOENT));
  EXPECT_EQ(MessageOf([] { ListFolders(u"x", u"", true); }), SystemErrorText(ENOENT));
}

TEST(FileFacts, ExistenceAndSize) {
  TempDir temp;
  Build(temp, {u"d\\", u"empty", u"five"});
  temp.WriteFile("five", "12345");
  Link(temp, "d", "to-d");
  Link(temp, "five", "to-five");
  Link(temp, "missing", "dangling");
  struct Case {
    const char* name;
    bool folder;
    int64_t size;
  } const cases[] = {
      {"d", true, 0},        {"to-d", true, 0},       {"empty", false, 0},    {"five", false, 5},
      {"to-five", false, 5}, {"dangling", false, -1}, {"missing", false, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::u16string path = PathText(temp.Join(c.name));
    EXPECT_EQ(FolderExists(path), c.folder);
    EXPECT_EQ(FileSizeOf(path), c.size);
  }
  EXPECT_FALSE(FolderExists(u""));
  EXPECT_EQ(FileSizeOf(u""), -1);
}

TEST(FileFacts, LastWriteTimeOfFilesAndLinks) {
  testing::ScopedTimeZone utc("UTC0");
  TempDir temp;
  Build(temp, {u"d\\", u"file"});
  Link(temp, "file", "link");
  Link(temp, "missing", "dangling");
  // 6 May 2010 12:30 for the file, 1 January 2000 for the link itself.
  const timespec file_time[2] = {{1273149000, 0}, {1273149000, 0}};
  const timespec link_time[2] = {{946684800, 0}, {946684800, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, temp.Join("file").c_str(), file_time, 0), 0);
  ASSERT_EQ(utimensat(AT_FDCWD, temp.Join("link").c_str(), link_time, AT_SYMLINK_NOFOLLOW), 0);
  ASSERT_EQ(utimensat(AT_FDCWD, temp.Join("dangling").c_str(), link_time, AT_SYMLINK_NOFOLLOW), 0);
  const TDateTime written = EncodeDate(2010, 5, 6) + EncodeTime(12, 30, 0, 0);
  const TDateTime linked = EncodeDate(2000, 1, 1);

  struct Case {
    const char* name;
    bool follow_links, ok;
    TDateTime time;
  } const cases[] = {
      {"file", true, true, written}, {"file", false, true, written},
      {"link", true, true, written}, {"link", false, true, linked},
      {"dangling", true, false, -7}, {"dangling", false, true, linked},
      {"d", true, false, -7},        {"missing", true, false, -7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.name << " follow " << c.follow_links);
    TDateTime time = -7;
    EXPECT_EQ(FileLastWriteTime(PathText(temp.Join(c.name)), c.follow_links, time), c.ok);
    EXPECT_DOUBLE_EQ(time, c.time);
  }
}

TEST(FileFacts, FolderCreationTimeIsCheckedAndRecent) {
  TempDir temp;
  Build(temp, {u"new\\", u"file"});
  const std::u16string folder = PathText(temp.Join("new"));
  EXPECT_NEAR(FolderCreationTime(folder), Now(), 60.0 / 86400);
  EXPECT_NEAR(FolderCreationTime(folder + u"\\"), Now(), 60.0 / 86400);

  struct Case {
    std::u16string folder;
    std::u16string_view message;
  } const cases[] = {
      {u"", u"Invalid characters in path"},
      {folder + u"<", u"Invalid characters in path"},
      {folder + u":", u"The path format is not supported"},
      {folder + u"\\" + std::u16string(250, u'a'), u"The specified path is too long"},
      {folder + u"\\missing", u"The specified path was not found"},
      {PathText(temp.Join("file")), u"The specified path was not found"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MessageOf([&] { FolderCreationTime(c.folder); }), c.message) << ToUtf8(c.folder);
  }
}

TEST(RemoveFile, DeletesAFile) {
  TempDir temp;
  Build(temp, {u"x.inf"});
  RemoveFile(PathText(temp.Join("x.inf")));
  EXPECT_EQ(access(temp.Join("x.inf").c_str(), F_OK), -1);

  Build(temp, {u"y.inf"});
  testing::ScopedWorkingDirectory cd(temp.path());
  RemoveFile(u"y.inf");
  EXPECT_EQ(access(temp.Join("y.inf").c_str(), F_OK), -1);
}

TEST(RemoveFile, ChecksThePathAndReportsTheCauseOfAFailure) {
  TempDir temp;
  Build(temp, {u"d\\", u"file"});
  const std::u16string t = PathText(temp.path());
  struct Case {
    std::u16string path;
    std::u16string message;
  } const cases[] = {
      {u"", u"Invalid characters in path"},
      {t + u"\\a>b", u"Invalid characters in path"},
      {t + u"\\a:b", u"The path format is not supported"},
      {t + u"\\" + std::u16string(259 - t.size(), u'a'), u"The specified path is too long"},
      {t + u"\\missing\\x.inf", u"The specified path was not found"},
      {t + u"\\file\\x.inf", u"The specified path was not found"},
      {t + u"\\x.inf", SystemErrorText(ENOENT)},
      {t + u"\\d", SystemErrorText(EISDIR)},
      // A name longer than the file system allows is another cause, and is ignored.
      {t + u"\\" + std::u16string(100, u'\u4e2d'), u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MessageOf([&] { RemoveFile(c.path); }), c.message) << ToUtf8(c.path);
  }
}

TEST(RemoveFile, ReportsAccessDenied) {
  TempDir temp;
  Build(temp, {u"kept\\x.inf"});
  ASSERT_EQ(chmod(temp.path().c_str(), 0755), 0);
  ASSERT_EQ(chmod(temp.Join("kept").c_str(), 0555), 0);
  const std::u16string path = PathText(temp.Join("kept/x.inf"));
  const testing::UnprivilegedResult result = testing::RunUnprivileged([&] {
    RemoveFile(path);
    return Paths{};
  });
  if (!result.ran) GTEST_SKIP() << "cannot drop privileges";
  EXPECT_EQ(result.error, SystemErrorText(EACCES));
  EXPECT_EQ(access(temp.Join("kept/x.inf").c_str(), F_OK), 0);
}

}  // namespace
}  // namespace torvane
