// Tests of the start-up probes.
#include "commands/startup.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "foundation/file_names.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace torvane {
namespace {

std::u16string Text(const std::string& native) {
  std::u16string text = FromNativeName(native);
  for (char16_t& c : text) {
    if (c == u'/') c = u'\\';
  }
  return text;
}

size_t Entries(const std::string& dir) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++n;
  return n;
}

TEST(Startup, AWritableFolderKeepsNoProbeFile) {
  testing::TempDir dir;
  std::u16string probed;
  const auto record = [&](const std::u16string& path) {
    probed = path;
    return CreateEmptyFile(path);
  };
  EXPECT_TRUE(IsDirectoryWritable(Text(dir.path()), record));
  EXPECT_EQ(probed.size(), 250u);
  EXPECT_EQ(probed.substr(0, dir.path().size() + 1), Text(dir.path()) + u"\\");
  for (char16_t c : probed.substr(dir.path().size() + 1)) EXPECT_TRUE(c >= u'A' && c <= u'Z');
  EXPECT_EQ(Entries(dir.path()), 0u);
  EXPECT_EQ(LogFilePath(u"\\", Text(dir.path()) + u"\\", record), Text(dir.path()) + u"\\Halvorn.log");
}

TEST(Startup, AFolderThatRefusesFilesSendsTheLogToTheSystemDrive) {
  testing::TempDir program, drive;
  const auto refuse = [](const std::u16string&) { return false; };
  EXPECT_FALSE(IsDirectoryWritable(Text(program.path()), refuse));
  const std::u16string root = Text(drive.path()) + u"\\";
  EXPECT_EQ(LogFilePath(root, Text(program.path()) + u"\\", refuse), root + u"Halvorn\\Halvorn.log");
  EXPECT_TRUE(std::filesystem::is_directory(drive.Join("Halvorn")));
  // A second start finds the folder there and goes on.
  EXPECT_EQ(LogFilePath(root, Text(program.path()) + u"\\", refuse), root + u"Halvorn\\Halvorn.log");
  EXPECT_EQ(Entries(program.path()), 0u);
}

TEST(Startup, APermissionlessFolderIsNotWritable) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes anywhere; the refusing seam covers this";
  testing::TempDir dir;
  dir.MakeDir("ro");
  chmod(dir.Join("ro").c_str(), 0555);
  EXPECT_FALSE(IsDirectoryWritable(Text(dir.Join("ro"))));
}

TEST(Startup, NoRoomForAProbeNameMeansNotWritable) {
  int calls = 0;
  const auto count = [&](const std::u16string& path) {
    ++calls;
    EXPECT_EQ(path.size(), 250u);
    return false;
  };
  EXPECT_FALSE(IsDirectoryWritable(std::u16string(249, u'x'), count));  // 250 with its separator
  EXPECT_FALSE(IsDirectoryWritable(std::u16string(300, u'x'), count));
  EXPECT_EQ(calls, 0);
  EXPECT_FALSE(IsDirectoryWritable(std::u16string(248, u'x'), count));
  EXPECT_EQ(calls, 1);
}

TEST(Startup, SystemDriveRootReadsTheEnvironment) {
  {
    testing::ScopedEnv drive("SYSTEMDRIVE", "C:");
    EXPECT_EQ(SystemDriveRoot(), u"C:\\");
  }
  testing::ScopedEnv none("SYSTEMDRIVE", nullptr);
  EXPECT_EQ(SystemDriveRoot(), u"\\");
}

}  // namespace
}  // namespace torvane
