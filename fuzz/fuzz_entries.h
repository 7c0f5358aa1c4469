// The fuzzed entry points. Each takes arbitrary bytes, drives one reader of untrusted input and
// aborts when a property that must hold for every input fails. libFuzzer calls them through
// fuzz_main.cpp; the regression test replays every kept input through the same functions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace torvane::fuzz {

using Entry = int (*)(const uint8_t* data, size_t size);

/// Loading and setting the text of a line list, in every encoding.
int FuzzLineList(const uint8_t* data, size_t size);
/// A driver record read from the bytes and scanned.
int FuzzInfFile(const uint8_t* data, size_t size);
/// Reading a driver date under each convention, and the day-count texts.
int FuzzDriverDate(const uint8_t* data, size_t size);
/// The single-line INF helpers and token substitution.
int FuzzInfValues(const uint8_t* data, size_t size);
/// Restoring a ".dis" copy, and scrambling the bytes and restoring them again.
int FuzzScrambledCopy(const uint8_t* data, size_t size);

/// The entry of a target name ("line_list", "inf_file" …); null for an unknown name.
Entry EntryNamed(std::string_view name);

}  // namespace torvane::fuzz
