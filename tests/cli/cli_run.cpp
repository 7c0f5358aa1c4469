// Running torvane-cli from a test.
#include "cli/cli_run.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "support/temp_dir.h"

namespace torvane::testing {

CliResult RunCli(const std::vector<std::string>& args, const std::string& working_dir,
                 const CliLimits& limits) {
  TempDir capture;
  const std::string out_path = capture.Join("out"), err_path = capture.Join("err");
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int in = open("/dev/null", O_RDONLY);
    if (out < 0 || err < 0 || in < 0 || chdir(working_dir.c_str()) != 0) _exit(127);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    if (limits.file_size > 0) {
      // Ignored, so that a write past the limit fails with EFBIG instead of killing the process.
      signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{static_cast<rlim_t>(limits.file_size), static_cast<rlim_t>(limits.file_size)};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
    }
    if (!limits.path_prefix.empty()) {
      const char* path = std::getenv("PATH");
      setenv("PATH", (limits.path_prefix + ":" + (path ? path : "")).c_str(), 1);
    }
    if (limits.unprivileged && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
      _exit(125);
    }
    std::vector<char*> argv;
    std::string program = limits.program.empty() ? std::string(TORVANE_CLI) : limits.program;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  CliResult result;
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadFileBytes(out_path);
  result.err = ReadFileBytes(err_path);
  return result;
}

}  // namespace torvane::testing
