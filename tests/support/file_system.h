// File-system helpers for tests: path texts of native paths, a scoped working directory, and
// running part of a test as an unprivileged user.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/error.h"
#include "foundation/file_names.h"
#include "foundation/text.h"

namespace torvane::testing {

/// The system's path text of a native path: "/tmp/a" gives "\tmp\a".
inline std::u16string PathText(std::string_view native_path) {
  std::u16string text = FromNativeName(native_path);
  for (char16_t& c : text) {
    if (c == u'/') c = u'\\';
  }
  return text;
}

/// Changes the working directory for the life of the object.
class ScopedWorkingDirectory {
 public:
  explicit ScopedWorkingDirectory(const std::string& native_path) {
    char buffer[PATH_MAX];
    if (getcwd(buffer, sizeof buffer) == nullptr) throw std::runtime_error("getcwd failed");
    previous_ = buffer;
    if (chdir(native_path.c_str()) != 0) throw std::runtime_error("chdir failed");
  }
  ~ScopedWorkingDirectory() {
    if (chdir(previous_.c_str()) != 0) std::perror("chdir back");
  }
  ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
  ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

 private:
  std::string previous_;
};

/// What an unprivileged run produced: the texts the body returned, or the message of the
/// torvane::Error it raised.
struct UnprivilegedResult {
  bool ran = false;  // false when the privileges could not be dropped
  std::vector<std::u16string> texts;
  std::u16string error;
};

/// Runs body with permission checks in force. As root, body runs in a child process as user and
/// group 65534 (nobody), so what it reads must be open to others; otherwise it runs here.
inline UnprivilegedResult RunUnprivileged(
    const std::function<std::vector<std::u16string>()>& body) {
  UnprivilegedResult result;
  if (geteuid() != 0) {
    result.ran = true;
    try {
      result.texts = body();
    } catch (const Error& e) {
      result.error = e.Message();
    }
    return result;
  }

  int channel[2];
  if (pipe(channel) != 0) throw std::runtime_error("pipe failed");
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    close(channel[0]);
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
    // One line per text; a first line "!" marks an error message instead.
    std::string out;
    try {
      for (const std::u16string& text : body()) out += ToUtf8(text) + "\n";
    } catch (const Error& e) {
      out = "!\n" + ToUtf8(e.Message()) + "\n";
    } catch (...) {
      _exit(3);
    }
    for (size_t done = 0; done < out.size();) {
      const ssize_t n = write(channel[1], out.data() + done, out.size() - done);
      if (n <= 0) _exit(3);
      done += static_cast<size_t>(n);
    }
    _exit(0);
  }

  close(channel[1]);
  std::string in;
  char buffer[4096];
  for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) in.append(buffer, n);
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) == 3) throw std::runtime_error("child failed");
  if (WEXITSTATUS(status) == 2) return result;

  result.ran = true;
  std::vector<std::u16string> lines;
  for (size_t start = 0; start < in.size();) {
    const size_t end = in.find('\n', start);
    lines.push_back(FromUtf8(in.substr(start, end - start)));
    start = end + 1;
  }
  if (!lines.empty() && lines[0] == u"!") {
    result.error = lines.size() > 1 ? lines[1] : u"";
  } else {
    result.texts = std::move(lines);
  }
  return result;
}

}  // namespace torvane::testing
