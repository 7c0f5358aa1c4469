// Tests of the line list's files: round trips through disk, whole-or-nothing saves, errors.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "foundation/error.h"
#include "foundation/file_names.h"
#include "foundation/line_list.h"
#include "foundation/text.h"
#include "support/temp_dir.h"

namespace torvane {
namespace {

using namespace std::string_literals;
using testing::ReadFileBytes;
using testing::TempDir;

std::u16string PathText(const std::string& native) { return FromNativeName(native); }

TEST(LineListFile, RoundTripsKeepTheEncodingAndItsMark) {
  const std::string inputs[] = {
      "\xFF\xFE" "[\0V\0]\0\r\0\n\0-\x4e\r\0\n\0"s,
      "\xFE\xFF\0[\0V\0]\0\r\0\n"s,
      "\xEF\xBB\xBF[V]\r\n\xE4\xB8\xAD\r\n",
      "[V]\r\n\xD6\xD0\r\n",
  };
  TempDir dir;
  for (const std::string& bytes : inputs) {
    dir.WriteFile("in.txt", bytes);
    TStringList list;
    list.LoadFromFile(PathText(dir.Join("in.txt")));
    EXPECT_EQ(list.Strings(0), u"[V]");
    list.SaveToFile(PathText(dir.Join("out.txt")));
    EXPECT_EQ(ReadFileBytes(dir.Join("out.txt")), bytes);
  }
}

TEST(LineListFile, AFreshListSavesAnsiWithoutMarkAndAnEmptyOneSavesNothing) {
  TempDir dir;
  TStringList list;
  list.SaveToFile(PathText(dir.Join("empty.txt")));
  EXPECT_EQ(ReadFileBytes(dir.Join("empty.txt")), "");
  list.Add(u"\u4e2d\u6587=1");
  list.SaveToFile(PathText(dir.Join("one.txt")));
  EXPECT_EQ(ReadFileBytes(dir.Join("one.txt")), "\xD6\xD0\xCE\xC4=1\r\n");
}

TEST(LineListFile, PathTextsUseBackslashes) {
  TempDir dir;
  dir.MakeDir("sub");
  TStringList list;
  list.Add(u"x");
  const std::u16string folder = PathText(dir.path());
  list.SaveToFile(folder + u"\\sub\\x.txt");
  EXPECT_EQ(ReadFileBytes(dir.Join("sub/x.txt")), "x\r\n");
}

TEST(LineListFile, AMissingFileRaisesAndKeepsTheItems) {
  TempDir dir;
  TStringList list;
  list.Add(u"kept");
  try {
    list.LoadFromFile(PathText(dir.Join("missing.txt")));
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.Message(), u"Cannot open file \"" + PathText(dir.Join("missing.txt")) +
                               u"\". No such file or directory");
  }
  EXPECT_EQ(list.ToVector(), std::vector<std::u16string>{u"kept"});
}

TEST(LineListFile, AFailedSaveLeavesTheOldFileAndNoLitter) {
  TempDir dir;
  TStringList list;
  list.Add(u"new");
  // A folder in the target's place makes the final rename fail after the data was written.
  dir.WriteFile("target/old.txt", "old");
  try {
    list.SaveToFile(PathText(dir.Join("target")));
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.Message().rfind(u"Cannot create file \"" + PathText(dir.Join("target")) + u"\". ", 0),
              0u)
        << e.what();
  }
  EXPECT_EQ(ReadFileBytes(dir.Join("target/old.txt")), "old");
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);

  EXPECT_THROW(list.SaveToFile(PathText(dir.Join("no/such/folder.txt"))), Error);
}

TEST(LineListFile, ARelativePathIsNamedInFullInTheError) {
  TempDir dir;
  const std::string cwd = std::filesystem::current_path();
  ASSERT_EQ(chdir(dir.path().c_str()), 0);
  TStringList list;
  try {
    list.LoadFromFile(u"sub\\none.txt");
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.Message(), u"Cannot open file \"" + PathText(dir.path()) +
                               u"/sub/none.txt\". No such file or directory");
  }
  ASSERT_EQ(chdir(cwd.c_str()), 0);
}

}  // namespace
}  // namespace torvane
