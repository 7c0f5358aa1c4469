// Facts of the running program: its own folder and the environment.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torvane {

/// The folder of the program file (/proc/self/exe) as a path text with its final "\".
std::u16string ProgramFolder();

/// An environment variable's value; empty when it is not set.
std::u16string EnvironmentVariable(std::string_view name);

/// Starts a program found on PATH with an argument vector (no shell) and does not wait for it.
/// False when the program is not installed or cannot be started.
bool LaunchDetached(const std::string& program, const std::vector<std::string>& args);

/// Keeps large blocks in the heap instead of mapping each one afresh: commands decode and drop
/// file-sized buffers thousands of times, and a mapping per buffer costs page faults each time.
/// The program entries call it once.
void TuneMemoryForBulkWork();

/// Whether a program of that name is on PATH.
bool ProgramOnPath(const std::string& program);

}  // namespace torvane
