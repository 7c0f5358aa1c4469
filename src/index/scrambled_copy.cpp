// The scrambled compressed copies of the catalogue files.
#include "index/scrambled_copy.h"

#include <zlib.h>

#include <algorithm>

#include "foundation/error.h"
#include "foundation/file_io.h"
#include "foundation/random.h"
#include "foundation/text.h"

namespace torvane {

namespace {

constexpr size_t kScrambledMinimum = 32;
constexpr std::string_view kEmptyStoredBlock("\x00\x00\x00\xFF\xFF", 5);
constexpr unsigned char kHeader0 = 0x78, kHeader1 = 0xDA;

std::string ZlibError(const char* what, int code) {
  return std::string(what) + " (zlib " + std::to_string(code) + ")";
}

}  // namespace

std::string CompressForScrambling(std::string_view bytes) {
  z_stream z{};
  int code = deflateInit2(&z, 9, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY);
  if (code != Z_OK) throw Error(Ascii(ZlibError("Cannot start compression", code)));
  // deflateBound leaves room for the whole stream; inputs and outputs go in pieces of at most
  // 1 GiB, since zlib counts them in 32 bits.
  constexpr size_t kPiece = size_t{1} << 30;
  std::string out(deflateBound(&z, bytes.size()), '\0');
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  size_t fed = 0;
  do {
    if (z.avail_in == 0 && fed < bytes.size()) {
      const size_t piece = std::min(bytes.size() - fed, kPiece);
      z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data() + fed));
      z.avail_in = static_cast<uInt>(piece);
      fed += piece;
    }
    const size_t used = static_cast<size_t>(reinterpret_cast<char*>(z.next_out) - out.data());
    z.avail_out = static_cast<uInt>(std::min(out.size() - used, kPiece));
    code = deflate(&z, fed == bytes.size() ? Z_FINISH : Z_NO_FLUSH);
  } while (code == Z_OK);
  const size_t length = static_cast<size_t>(reinterpret_cast<char*>(z.next_out) - out.data());
  deflateEnd(&z);
  if (code != Z_STREAM_END) throw Error(Ascii(ZlibError("Compression failed", code)));
  out.resize(length);
  // Empty stored blocks right after the header: still a valid stream of the same content, and
  // long enough to carry the scrambled layout (an empty input gives 33 bytes).
  while (out.size() < kScrambledMinimum) out.insert(2, kEmptyStoredBlock);
  return out;
}

std::string ScrambleStream(std::string_view z, uint8_t first_random, uint8_t second_random) {
  if (z.size() < kScrambledMinimum) throw Error(u"Stream read error");
  std::string out(z);
  out.replace(0, 8, z.substr(24, 8));
  out.replace(24, 8, z.substr(0, 8));
  out[24] = static_cast<char>(first_random);
  out[25] = static_cast<char>(second_random);
  return out;
}

std::string UnscrambleStream(std::string_view scrambled) {
  if (scrambled.size() < kScrambledMinimum) {
    throw Error(u"Not a scrambled copy: " + IntToStr(static_cast<int64_t>(scrambled.size())) +
                u" bytes, at least 32 expected");
  }
  std::string z(scrambled);
  z.replace(24, 8, scrambled.substr(0, 8));
  z.replace(2, 6, scrambled.substr(26, 6));
  z[0] = static_cast<char>(kHeader0);
  z[1] = static_cast<char>(kHeader1);
  return z;
}

std::string RestoreScrambledBytes(std::string_view scrambled) {
  const std::string z = UnscrambleStream(scrambled);
  z_stream s{};
  int code = inflateInit(&s);
  if (code != Z_OK) throw Error(Ascii(ZlibError("Cannot start decompression", code)));
  s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(z.data()));
  s.avail_in = static_cast<uInt>(z.size());
  std::string out;
  char buffer[1 << 16];
  do {
    s.next_out = reinterpret_cast<Bytef*>(buffer);
    s.avail_out = sizeof buffer;
    code = inflate(&s, Z_NO_FLUSH);
    out.append(buffer, sizeof buffer - s.avail_out);
  } while (code == Z_OK);
  inflateEnd(&s);
  if (code != Z_STREAM_END) throw Error(Ascii(ZlibError("The scrambled copy does not restore", code)));
  return out;
}

std::u16string ScrambledCopyName(std::u16string_view file_name) {
  const size_t keep = file_name.size() >= 4 ? file_name.size() - 4 : 0;
  return std::u16string(file_name.substr(0, keep)) + u".dis";
}

void WriteScrambledCopy(std::u16string_view file_name) {
  const std::u16string output = ScrambledCopyName(file_name);
  const std::string z = CompressForScrambling(ReadFileBytes(file_name));
  const auto first = static_cast<uint8_t>(RandomByteBelow255());
  const auto second = static_cast<uint8_t>(RandomByteBelow255());
  WriteFileAtomically(output, ScrambleStream(z, first, second));
}

}  // namespace torvane
