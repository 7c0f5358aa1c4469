// Facts of the running program.
#include "foundation/process.h"

#include <malloc.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <thread>

#include "foundation/file_names.h"
#include "foundation/path_text.h"

extern char** environ;

namespace torvane {

std::u16string ProgramFolder() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return {};
  std::u16string path = FromNativeName(std::string_view(buffer, static_cast<size_t>(n)));
  for (char16_t& c : path) {
    if (c == u'/') c = u'\\';
  }
  return ExtractFilePath(path);
}

std::u16string EnvironmentVariable(std::string_view name) {
  const char* value = std::getenv(std::string(name).c_str());
  return value == nullptr ? std::u16string() : FromNativeName(value);
}

void TuneMemoryForBulkWork() {
  mallopt(M_MMAP_THRESHOLD, 256 << 20);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  mallopt(M_TOP_PAD, 64 << 20);
}

bool ProgramOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string dirs = path == nullptr ? "/usr/bin:/bin" : path;
  size_t start = 0;
  while (start <= dirs.size()) {
    const size_t colon = dirs.find(':', start);
    const std::string dir = dirs.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
    const std::string candidate = (dir.empty() ? "." : dir) + "/" + program;
    struct stat st {};
    if (stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(candidate.c_str(), X_OK) == 0) {
      return true;
    }
    if (colon == std::string::npos) break;
    start = colon + 1;
  }
  return false;
}

bool LaunchDetached(const std::string& program, const std::vector<std::string>& args) {
  if (!ProgramOnPath(program)) return false;
  std::vector<std::string> copies;
  copies.push_back(program);
  copies.insert(copies.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : copies) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return false;
  // Reaped on its own thread, so the started program never lingers as a zombie.
  std::thread([pid] {
    int status = 0;
    waitpid(pid, &status, 0);
  }).detach();
  return true;
}

}  // namespace torvane
