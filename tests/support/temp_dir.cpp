// A temporary folder for one test.
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace torvane::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "torvane-test-XXXXXX").string();
  char* made = mkdtemp(pattern.data());
  if (made == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = made;
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Tests may leave folders without permissions; give them back so the removal gets through.
  for (auto it = std::filesystem::recursive_directory_iterator(
           path_, std::filesystem::directory_options::skip_permission_denied, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
    }
  }
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Join(std::string_view name) const { return path_ + "/" + std::string(name); }

void TempDir::WriteFile(std::string_view name, std::string_view bytes) const {
  const std::filesystem::path file = Join(name);
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

void TempDir::MakeDir(std::string_view name) const {
  std::filesystem::create_directories(Join(name));
}

void CopySampleStore(const TempDir& dir) {
  std::filesystem::copy(std::string(TORVANE_SOURCE_DIR) + "/samples/store/Drivers", dir.Join("Drivers"),
                        std::filesystem::copy_options::recursive);
}

std::string ReadFileBytes(const std::string& native_path) {
  std::ifstream in(native_path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "cannot read " << native_path;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace torvane::testing
