// Tests of the scrambled copies: the layout, the zlib settings, padding of short streams and
// the round trip.
#include "index/scrambled_copy.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

#include "foundation/file_names.h"
#include "support/error_message.h"
#include "support/temp_dir.h"
#include "support/working_dir.h"

namespace torvane {
namespace {

std::string RandomText(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  static const char kAlphabet[] = "PCI\\VEN_8086&DEV_=@0123456789,\r\n";
  std::string s(size, ' ');
  for (char& c : s) c = kAlphabet[random() % (sizeof kAlphabet - 1)];
  return s;
}

std::string Zlib9(const std::string& bytes) {
  uLongf length = compressBound(bytes.size());
  std::string out(length, '\0');
  EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(out.data()), &length,
                      reinterpret_cast<const Bytef*>(bytes.data()), bytes.size(), 9),
            Z_OK);
  out.resize(length);
  return out;
}

TEST(ScrambledCopy, StreamIsZlibsOwnAtLevelNine) {
  for (size_t size : {200u, 5000u, 100000u}) {
    const std::string text = RandomText(size, static_cast<unsigned>(size));
    const std::string z = CompressForScrambling(text);
    EXPECT_EQ(z, Zlib9(text)) << size;
    EXPECT_EQ(static_cast<unsigned char>(z[0]), 0x78);
    EXPECT_EQ(static_cast<unsigned char>(z[1]), 0xDA);
  }
}

TEST(ScrambledCopy, ShortStreamsArePaddedWithEmptyStoredBlocks) {
  const std::string empty = CompressForScrambling("");
  EXPECT_EQ(empty.size(), 33u);
  EXPECT_EQ(empty.substr(2, 5), std::string("\x00\x00\x00\xFF\xFF", 5));
  EXPECT_EQ(RestoreScrambledBytes(ScrambleStream(empty, 1, 2)), "");
  const std::string one = CompressForScrambling("x");
  EXPECT_GE(one.size(), 32u);
  EXPECT_LT(one.size(), 37u);  // the fewest blocks that reach 32 bytes
}

TEST(ScrambledCopy, LayoutSwapsTheGroupsAndDropsTheHeader) {
  std::string z;
  for (int i = 0; i < 40; ++i) z.push_back(static_cast<char>(i));
  const std::string s = ScrambleStream(z, 200, 254);
  EXPECT_EQ(s.size(), z.size());
  EXPECT_EQ(s.substr(0, 8), z.substr(24, 8));
  EXPECT_EQ(s.substr(8, 16), z.substr(8, 16));
  EXPECT_EQ(static_cast<unsigned char>(s[24]), 200);
  EXPECT_EQ(static_cast<unsigned char>(s[25]), 254);
  EXPECT_EQ(s.substr(26, 6), z.substr(2, 6));
  EXPECT_EQ(s.substr(32), z.substr(32));
  std::string restored = UnscrambleStream(s);
  EXPECT_EQ(restored.substr(2), z.substr(2));
  EXPECT_EQ(restored.substr(0, 2), "\x78\xDA");
}

TEST(ScrambledCopy, EverySizeRestoresByteForByte) {
  for (size_t size : {0u, 1u, 7u, 31u, 32u, 33u, 100u, 1000u, 65536u, 300000u}) {
    const std::string text = RandomText(size, 7);
    const std::string dis = ScrambleStream(CompressForScrambling(text), 0, 0);
    EXPECT_EQ(RestoreScrambledBytes(dis), text) << size;
  }
}

TEST(ScrambledCopy, FilesDifferOnlyInTheTwoRandomBytes) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.WriteFile("IndexList.txt", RandomText(5000, 3));
  std::vector<std::string> copies;
  for (int run = 0; run < 8; ++run) {
    WriteScrambledCopy(u"IndexList.txt");
    copies.push_back(testing::ReadFileBytes(dir.Join("IndexList.dis")));
  }
  bool varied = false;
  for (const std::string& copy : copies) {
    ASSERT_EQ(copy.size(), copies[0].size());
    EXPECT_EQ(copy.substr(0, 24), copies[0].substr(0, 24));
    EXPECT_EQ(copy.substr(26), copies[0].substr(26));
    EXPECT_NE(static_cast<unsigned char>(copy[24]), 255);
    EXPECT_NE(static_cast<unsigned char>(copy[25]), 255);
    varied |= copy.substr(24, 2) != copies[0].substr(24, 2);
    EXPECT_EQ(RestoreScrambledBytes(copy), testing::ReadFileBytes(dir.Join("IndexList.txt")));
  }
  EXPECT_TRUE(varied);
}

TEST(ScrambledCopy, NamesAndErrors) {
  EXPECT_EQ(ScrambledCopyName(u"HwidsList.txt"), u"HwidsList.dis");
  EXPECT_EQ(ScrambledCopyName(u"a\\b.txt"), u"a\\b.dis");
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  EXPECT_EQ(testing::MessageOf([] { WriteScrambledCopy(u"HwidsTemp.txt"); }),
            u"Cannot open file \"" + FromNativeName(dir.path()) +
                u"/HwidsTemp.txt\". No such file or directory");
  EXPECT_NE(testing::MessageOf([] { RestoreScrambledBytes(std::string(31, 'x')); }), u"");
  std::string corrupt = ScrambleStream(CompressForScrambling(RandomText(500, 1)), 0, 0);
  corrupt[40] ^= 0x55;
  EXPECT_NE(testing::MessageOf([&] { RestoreScrambledBytes(corrupt); }), u"");
}

}  // namespace
}  // namespace torvane
