// Facts of the running program: its own folder and the environment.
#pragma once

#include <string>
#include <string_view>

namespace torvane {

/// The folder of the program file (/proc/self/exe) as a path text with its final "\".
std::u16string ProgramFolder();

/// An environment variable's value; empty when it is not set.
std::u16string EnvironmentVariable(std::string_view name);

}  // namespace torvane
