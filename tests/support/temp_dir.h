// A temporary folder for one test, removed with everything in it when the test ends.
#pragma once

#include <string>
#include <string_view>

namespace torvane::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  /// The folder's native path, without a final "/".
  const std::string& path() const { return path_; }
  /// The native path of a name inside the folder.
  std::string Join(std::string_view name) const;

  /// Writes bytes to a file inside the folder, creating the folders on its way.
  void WriteFile(std::string_view name, std::string_view bytes) const;
  /// Creates a folder inside the folder, with its parents.
  void MakeDir(std::string_view name) const;

 private:
  std::string path_;
};

/// Copies the bundled sample store's "Drivers" tree into the folder.
void CopySampleStore(const TempDir& dir);

/// All bytes of a file; fails the test when it cannot be read.
std::string ReadFileBytes(const std::string& native_path);

}  // namespace torvane::testing
