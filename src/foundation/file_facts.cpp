// The folder walk and listing, file and folder facts, and file deletion.
#include "foundation/file_facts.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unicode/uchar.h>
#include <unicode/utf16.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

#include "foundation/error.h"
#include "foundation/file_names.h"
#include "foundation/path_text.h"

namespace torvane {

namespace {

char16_t FoldAscii(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
}

// The key of folder order. Code units are upper-cased one by one, as NTFS's upcase table does,
// so a surrogate (and with it every character outside the BMP) stays as it is.
std::u16string FolderOrderKey(std::u16string_view name) {
  std::u16string key(name);
  for (char16_t& c : key) {
    if (U16_IS_SURROGATE(c)) continue;
    const UChar32 upper = u_toupper(c);
    if (upper <= 0xFFFF) c = static_cast<char16_t>(upper);
  }
  return key;
}

struct Entry {
  std::string native;
  std::u16string name;
  std::u16string key;
  unsigned char type;
};

// Owns one open folder; its descriptor is what the entries below it are opened against.
class OpenFolder {
 public:
  explicit OpenFolder(int fd) : dir_(fd >= 0 ? fdopendir(fd) : nullptr) {
    if (dir_ == nullptr && fd >= 0) close(fd);
  }
  ~OpenFolder() {
    if (dir_ != nullptr) closedir(dir_);
  }
  OpenFolder(const OpenFolder&) = delete;
  OpenFolder& operator=(const OpenFolder&) = delete;

  bool ok() const { return dir_ != nullptr; }
  int fd() const { return dirfd(dir_); }

  // Every entry but "." and "..", in folder order; false when the folder cannot be read.
  bool ReadEntries(std::vector<Entry>& entries) {
    for (;;) {
      errno = 0;
      const dirent* d = readdir(dir_);
      if (d == nullptr) {
        if (errno != 0) return false;
        break;
      }
      const std::string_view native = d->d_name;
      if (native == "." || native == "..") continue;
      std::u16string name = FromNativeName(native);
      std::u16string key = FolderOrderKey(name);
      entries.push_back({std::string(native), std::move(name), std::move(key), d->d_type});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
      return a.key != b.key ? a.key < b.key : a.name < b.name;
    });
    return true;
  }

 private:
  DIR* dir_;
};

int OpenFolderAt(int parent_fd, const char* native) {
  return openat(parent_fd, native, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// Whether an entry is a folder or a link that leads to one.
bool IsFolderEntry(int parent_fd, const Entry& entry) {
  if (entry.type == DT_DIR) return true;
  if (entry.type != DT_LNK && entry.type != DT_UNKNOWN) return false;
  struct stat st {};
  // fstatat follows the link; a broken link fails here and counts as a file.
  return fstatat(parent_fd, entry.native.c_str(), &st, 0) == 0 && S_ISDIR(st.st_mode);
}

class Walker {
 public:
  enum class Collect { kFiles, kFolders };

  using Found = std::function<void(std::u16string)>;

  Walker(Collect collect, std::u16string_view pattern, bool all_levels, Found found)
      : collect_(collect), pattern_(pattern), all_levels_(all_levels), found_(std::move(found)) {}

  // Walks the folder opened by the path text `opened_as`; results start with `folder_text`.
  void Run(const std::u16string& opened_as, std::u16string_view folder_text) {
    Enter(OpenFolderAt(AT_FDCWD, NativePath(opened_as).c_str()),
          IncludeTrailingPathDelimiter(folder_text));
  }

 private:
  // Walks one opened folder; `prefix` is its text with the final "\". The folder's device and
  // inode stay on path_ while it is walked, so a link back to it is not entered again.
  void Enter(int fd, const std::u16string& prefix) {
    OpenFolder folder(fd);
    if (!folder.ok()) return;
    struct stat st {};
    if (fstat(folder.fd(), &st) != 0) return;
    const std::pair<dev_t, ino_t> id{st.st_dev, st.st_ino};
    if (std::find(path_.begin(), path_.end(), id) != path_.end()) return;

    std::vector<Entry> entries;
    if (!folder.ReadEntries(entries)) return;
    path_.push_back(id);
    for (const Entry& entry : entries) {
      const bool is_folder = IsFolderEntry(folder.fd(), entry);
      if (is_folder == (collect_ == Collect::kFolders) && MatchesPattern(entry.name, pattern_)) {
        found_(prefix + entry.name);
      }
      if (is_folder && all_levels_) {
        Enter(OpenFolderAt(folder.fd(), entry.native.c_str()), prefix + entry.name + u'\\');
      }
    }
    path_.pop_back();
  }

  const Collect collect_;
  const std::u16string_view pattern_;
  const bool all_levels_;
  const Found found_;
  std::vector<std::pair<dev_t, ino_t>> path_;
};

void CheckFolder(std::u16string_view path) {
  CheckPathText(path, kMaxFolderPathLength);
  if (!FolderExists(path)) throw Error(u"The specified path was not found");
}

}  // namespace

bool MatchesPattern(std::u16string_view name, std::u16string_view pattern) {
  if (pattern == u"*.*") return true;
  // Greedy matching that returns only to the last "*" on a mismatch: at worst the name's length
  // times the pattern's, never exponential.
  constexpr std::size_t kNone = std::u16string_view::npos;
  std::size_t n = 0, p = 0, star = kNone, star_n = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == u'*') {
      star = p++;
      star_n = n;
    } else if (p < pattern.size() &&
               (pattern[p] == u'?' || FoldAscii(pattern[p]) == FoldAscii(name[n]))) {
      ++p;
      ++n;
    } else if (star != kNone) {
      p = star + 1;
      n = ++star_n;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

std::vector<std::u16string> WalkFiles(std::u16string_view folder, std::u16string_view pattern,
                                      bool all_levels) {
  std::vector<std::u16string> files;
  WalkFilesEach(folder, pattern, all_levels, [&files](std::u16string path) {
    files.push_back(std::move(path));
  });
  return files;
}

void WalkFilesEach(std::u16string_view folder, std::u16string_view pattern, bool all_levels,
                   const std::function<void(std::u16string)>& found) {
  const std::u16string full = ExpandFileName(folder);
  CheckSearchPattern(pattern);
  CheckFolder(full);
  Walker(Walker::Collect::kFiles, pattern, all_levels, found).Run(full, folder);
}

std::vector<std::u16string> ListFolders(std::u16string_view folder, std::u16string_view pattern,
                                        bool all_levels) {
  // Only its failure counts here: the listing checks the text as given.
  ExpandFileName(folder);
  CheckSearchPattern(pattern);
  CheckFolder(folder);
  std::vector<std::u16string> folders;
  Walker(Walker::Collect::kFolders, pattern, all_levels,
         [&folders](std::u16string path) { folders.push_back(std::move(path)); })
      .Run(std::u16string(folder), folder);
  return folders;
}

bool FolderExists(std::u16string_view path) {
  struct stat st {};
  return stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int64_t FileSizeOf(std::u16string_view path) {
  struct stat st {};
  if (stat(NativePath(path).c_str(), &st) != 0) return -1;
  return S_ISDIR(st.st_mode) ? 0 : static_cast<int64_t>(st.st_size);
}

bool FileLastWriteTime(std::u16string_view path, bool follow_links, TDateTime& result) {
  struct stat st {};
  const std::string native = NativePath(path);
  const int rc = follow_links ? stat(native.c_str(), &st) : lstat(native.c_str(), &st);
  if (rc != 0 || S_ISDIR(st.st_mode)) return false;
  result = FromUnixTime(st.st_mtim);
  return true;
}

TDateTime FolderCreationTime(std::u16string_view folder) {
  CheckFolder(folder);
  struct statx facts {};
  if (statx(AT_FDCWD, NativePath(folder).c_str(), 0, STATX_BTIME | STATX_CTIME, &facts) != 0) {
    return 0;
  }
  const struct statx_timestamp& t =
      (facts.stx_mask & STATX_BTIME) != 0 ? facts.stx_btime : facts.stx_ctime;
  return FromUnixTime(timespec{static_cast<time_t>(t.tv_sec), static_cast<long>(t.tv_nsec)});
}

void RemoveFile(std::u16string_view path) {
  CheckPathText(path, kMaxFilePathLength);
  const std::u16string folder = ExtractFileDir(path);
  if (!folder.empty() && !FolderExists(folder)) throw Error(u"The specified path was not found");
  if (unlink(NativePath(path).c_str()) == 0) return;
  switch (errno) {
    case ENOENT:
    // Linux refuses to unlink a folder with EISDIR where Windows answers access denied.
    case EISDIR:
    case EACCES:
    case EPERM:
    case EBUSY:
    case ETXTBSY:
      throw Error(SystemErrorText(errno));
    default:
      return;
  }
}

}  // namespace torvane
