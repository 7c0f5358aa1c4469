// Running part of a test in another working directory, where the commands write their files.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace torvane::testing {

class ScopedWorkingDir {
 public:
  explicit ScopedWorkingDir(const std::string& dir) : previous_(std::filesystem::current_path()) {
    if (chdir(dir.c_str()) != 0) throw std::runtime_error("cannot enter " + dir);
  }
  ~ScopedWorkingDir() { (void)chdir(previous_.c_str()); }
  ScopedWorkingDir(const ScopedWorkingDir&) = delete;
  ScopedWorkingDir& operator=(const ScopedWorkingDir&) = delete;

 private:
  std::string previous_;
};

}  // namespace torvane::testing
