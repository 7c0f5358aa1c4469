// Writing an output file whole or not at all.
#include "foundation/atomic_file.h"

#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "foundation/error.h"
#include "foundation/file_names.h"

namespace torvane {

namespace {

mode_t CreationMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Writes everything or reports errno; EINTR and short writes are retried.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return 0;
}

}  // namespace

void WriteFileAtomically(std::u16string_view path_text, std::string_view bytes) {
  const std::string target = NativePath(path_text);
  const size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  // A short fixed name, so a target name near the length limit still has room for it.
  std::string temp = folder + ".torvane-XXXXXX";

  const int fd = mkstemp(temp.data());
  if (fd < 0) throw CannotCreateFile(path_text, errno);
  int error = WriteAll(fd, bytes);
  if (error == 0 && fchmod(fd, CreationMode()) != 0) error = errno;
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    unlink(temp.c_str());
    throw CannotCreateFile(path_text, error);
  }
}

}  // namespace torvane
