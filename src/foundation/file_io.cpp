// Whole-file reading, and writing an output file whole or not at all.
#include "foundation/file_io.h"

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

std::string ReadFileBytes(std::u16string_view path_text) {
  const int fd = open(NativePath(path_text).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw CannotOpenFile(path_text, errno);
  std::string bytes;
  struct stat st {};
  // One read of the size fstat gives, and one byte more: a regular file that returns less has
  // ended, which spares the read that would only confirm it.
  const bool sized = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  size_t capacity = sized ? static_cast<size_t>(st.st_size) + 1 : size_t{1} << 16;
  size_t length = 0;
  while (true) {
    if (bytes.size() < length + capacity) bytes.resize(length + capacity);
    const ssize_t n = read(fd, bytes.data() + length, capacity);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      close(fd);
      throw CannotOpenFile(path_text, error);
    }
    length += static_cast<size_t>(n);
    if (n == 0 || (sized && static_cast<size_t>(n) < capacity)) break;
    capacity = size_t{1} << 16;
  }
  close(fd);
  bytes.resize(length);
  return bytes;
}

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
