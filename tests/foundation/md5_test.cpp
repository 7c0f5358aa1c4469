// Tests of MD5 digests of files and bytes.
#include "foundation/md5.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "foundation/error.h"
#include "foundation/file_names.h"
#include "support/error_message.h"
#include "support/file_system.h"
#include "support/temp_dir.h"

namespace torvane {
namespace {

using testing::MessageOf;
using testing::PathText;
using testing::TempDir;

// The test suite of RFC 1321, and a million "a" from FIPS 180's examples.
struct Vector {
  std::string bytes;
  std::string digest;
};
const Vector kVectors[] = {
    {"", "D41D8CD98F00B204E9800998ECF8427E"},
    {"a", "0CC175B9C0F1B6A831C399E269772661"},
    {"abc", "900150983CD24FB0D6963F7D28E17F72"},
    {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
    {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
     "D174AB98D277D9F5A5611C2C9F419D9F"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57EDF4A22BE3C955AC49DA2E2107B67A"},
    {std::string(1000000, 'a'), "7707D6AE4E027C70EEA2A935C2296F21"},
};

TEST(Md5, DigestsOfBytes) {
  for (const Vector& v : kVectors) {
    EXPECT_EQ(MD5Hex(v.bytes), v.digest) << v.bytes.substr(0, 20);
  }
}

TEST(Md5, DigestsOfFilesIncludingAnEmptyOne) {
  TempDir temp;
  int n = 0;
  for (const Vector& v : kVectors) {
    const std::string name = "f" + std::to_string(n++);
    temp.WriteFile(name, v.bytes);
    EXPECT_EQ(MD5FileHex(PathText(temp.Join(name))), FromNativeName(v.digest))
        << v.bytes.substr(0, 20);
  }
  temp.WriteFile("sub/x.inf", "abc");
  testing::ScopedWorkingDirectory cd(temp.path());
  EXPECT_EQ(MD5FileHex(u"sub\\x.inf"), u"900150983CD24FB0D6963F7D28E17F72");
}

TEST(Md5, FilesBeyondTheMappingLimitAreDigestedWhole) {
  TempDir temp;
  // A sparse file: zeros, then five bytes across the 512 MiB mark, three of them beyond it.
  const std::string path = temp.Join("large");
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(pwrite(fd, "tail!", 5, 536870912 - 2), 5);
  close(fd);
  EXPECT_EQ(MD5FileHex(PathText(path)), u"C4F39A337EBBDA6861127BAAB4678D44");
}

TEST(Md5, FilesThatCannotBeOpenedRaise) {
  TempDir temp;
  temp.MakeDir("folder");
  const auto cannot_open = [](const std::string& native, int error_number) {
    return u"Cannot open file \"" + FromNativeName(native) + u"\". " +
           SystemErrorText(error_number);
  };
  EXPECT_EQ(MessageOf([&] { MD5FileHex(PathText(temp.Join("missing"))); }),
            cannot_open(temp.Join("missing"), ENOENT));
  EXPECT_EQ(MessageOf([&] { MD5FileHex(PathText(temp.Join("folder"))); }),
            cannot_open(temp.Join("folder"), EISDIR));
  {
    testing::ScopedWorkingDirectory cd(temp.path());
    char cwd[PATH_MAX];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(MessageOf([] { MD5FileHex(u"sub\\missing"); }),
              cannot_open(std::string(cwd) + "/sub/missing", ENOENT));
  }

  temp.WriteFile("secret", "abc");
  ASSERT_EQ(chmod(temp.path().c_str(), 0755), 0);
  ASSERT_EQ(chmod(temp.Join("secret").c_str(), 0), 0);
  const testing::UnprivilegedResult result = testing::RunUnprivileged(
      [&] { return std::vector<std::u16string>{MD5FileHex(PathText(temp.Join("secret")))}; });
  if (!result.ran) GTEST_SKIP() << "cannot drop privileges";
  EXPECT_EQ(result.error, cannot_open(temp.Join("secret"), EACCES));
}

}  // namespace
}  // namespace torvane
