// The start-up probes.
#include "commands/startup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "foundation/file_facts.h"
#include "foundation/file_names.h"
#include "foundation/path_text.h"
#include "foundation/process.h"
#include "foundation/random.h"

namespace torvane {

namespace {

constexpr size_t kProbeLength = 250;

bool Exists(const std::u16string& path_text) {
  struct stat st {};
  return lstat(NativePath(path_text).c_str(), &st) == 0;
}

}  // namespace

bool CreateEmptyFile(const std::u16string& path_text) {
  const int fd = open(NativePath(path_text).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  close(fd);
  return true;
}

bool IsDirectoryWritable(std::u16string_view folder, const CreateEmptyFileFn& create) {
  const std::u16string prefix = IncludeTrailingPathDelimiter(folder);
  // No room for a probe name: such a folder counts as not writable.
  if (prefix.size() >= kProbeLength) return false;
  std::u16string name;
  do {
    name = prefix;
    while (name.size() < kProbeLength) name += static_cast<char16_t>(u'A' + RandomBelow(26));
  } while (Exists(name));
  if (!create(name)) return false;
  unlink(NativePath(name).c_str());
  return true;
}

std::u16string SystemDriveRoot() { return EnvironmentVariable("SYSTEMDRIVE") + u"\\"; }

std::u16string LogFilePath(std::u16string_view root, std::u16string_view program_folder,
                           const CreateEmptyFileFn& create) {
  const std::u16string folder = ExtractFileDir(program_folder);
  if (IsDirectoryWritable(folder, create)) return IncludeTrailingPathDelimiter(folder) + u"Halvorn.log";
  const std::u16string halvorn = std::u16string(root) + u"Halvorn";
  if (!FolderExists(halvorn)) mkdir(NativePath(halvorn).c_str(), 0777);
  return halvorn + u"\\Halvorn.log";
}

}  // namespace torvane
