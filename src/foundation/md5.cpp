// MD5 digests of files and bytes, through OpenSSL.
#include "foundation/md5.h"

#include <errno.h>
#include <fcntl.h>
#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

#include "foundation/error.h"
#include "foundation/file_names.h"

namespace torvane {

namespace {

// Files are read, never mapped: a mapped file that another process shortens while it is hashed
// kills the reader with SIGBUS, and a collection being copied in is exactly where that happens.
// One buffer per thread serves every file, so small files cost one read each.
constexpr size_t kBlockSize = 4194304;

using Md5Value = std::array<unsigned char, 16>;

const EVP_MD* Md5Algorithm() {
  // Fetched once and kept for the life of the process.
  static EVP_MD* const md5 = EVP_MD_fetch(nullptr, "MD5", nullptr);
  if (md5 == nullptr) throw Error(u"MD5 is not available");
  return md5;
}

class Md5 {
 public:
  Md5() : context_(EVP_MD_CTX_new()) {
    if (context_ == nullptr || EVP_DigestInit_ex(context_.get(), Md5Algorithm(), nullptr) != 1) {
      throw Error(u"MD5 is not available");
    }
  }

  void Update(const void* data, size_t size) {
    if (size > 0) EVP_DigestUpdate(context_.get(), data, size);
  }

  Md5Value Finish() {
    Md5Value value{};
    EVP_DigestFinal_ex(context_.get(), value.data(), nullptr);
    return value;
  }

 private:
  struct Free {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
  };
  std::unique_ptr<EVP_MD_CTX, Free> context_;
};

template <typename Text>
Text HexText(const Md5Value& value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  Text text;
  text.reserve(value.size() * 2);
  for (const unsigned char byte : value) {
    text.push_back(static_cast<typename Text::value_type>(kDigits[byte >> 4]));
    text.push_back(static_cast<typename Text::value_type>(kDigits[byte & 15]));
  }
  return text;
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// The bytes up to the size the file had when it was opened; a file cut short meanwhile gives the
// digest of what was still there.
void HashRead(int fd, off_t size, Md5& md5) {
  if (size > static_cast<off_t>(kBlockSize)) posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  thread_local const std::unique_ptr<unsigned char[]> buffer(new unsigned char[kBlockSize]);
  off_t done = 0;
  while (done < size) {
    const size_t wanted = static_cast<size_t>(std::min<off_t>(kBlockSize, size - done));
    const ssize_t got = read(fd, buffer.get(), wanted);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw Error(SystemErrorText(errno));
    if (got == 0) break;
    md5.Update(buffer.get(), static_cast<size_t>(got));
    done += got;
  }
}

}  // namespace

std::u16string MD5FileHex(std::u16string_view path) {
  // O_NONBLOCK keeps a FIFO from blocking the open; regular files ignore it.
  const FileDescriptor file(
      open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (file.get() < 0) throw CannotOpenFile(path, errno);
  struct stat st {};
  if (fstat(file.get(), &st) != 0) throw CannotOpenFile(path, errno);
  if (S_ISDIR(st.st_mode)) throw CannotOpenFile(path, EISDIR);

  Md5 md5;
  HashRead(file.get(), st.st_size, md5);
  return HexText<std::u16string>(md5.Finish());
}

std::string MD5Hex(std::string_view bytes) {
  Md5 md5;
  md5.Update(bytes.data(), bytes.size());
  return HexText<std::string>(md5.Finish());
}

}  // namespace torvane
