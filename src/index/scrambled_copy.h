// The scrambled compressed copies (".dis") of the catalogue files: a zlib stream with two
// 8-byte groups swapped, its header dropped and two random bytes written in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace torvane {

/// The zlib stream of the bytes at level 9, 15-bit window, memory level 8, default strategy.
/// A stream shorter than 32 bytes gets empty stored blocks after its header until it is long
/// enough to scramble; it inflates to the same bytes.
std::string CompressForScrambling(std::string_view bytes);

/// The ".dis" layout of a zlib stream of at least 32 bytes, with the two given filler bytes.
std::string ScrambleStream(std::string_view zlib_stream, uint8_t first_random,
                           uint8_t second_random);

/// The zlib stream a ".dis" file holds; raises Error when the file is shorter than 32 bytes.
std::string UnscrambleStream(std::string_view scrambled);

/// The original bytes of a ".dis" file; raises Error when it does not restore and inflate.
std::string RestoreScrambledBytes(std::string_view scrambled);

/// The copy's name: the file name without its last four characters, then ".dis".
std::u16string ScrambledCopyName(std::u16string_view file_name);

/// Reads the file and writes its scrambled copy beside it, with two bytes from the program's
/// random generator.
void WriteScrambledCopy(std::u16string_view file_name);

}  // namespace torvane
