// The system's path texts and their checks.
#include "foundation/path_text.h"

#include <errno.h>
#include <unistd.h>

#include <climits>
#include <vector>

#include "foundation/error.h"
#include "foundation/file_names.h"
#include "foundation/text.h"

namespace torvane {

namespace {

constexpr std::u16string_view kLongPathPrefix = u"\\\\?\\";

bool IsAsciiLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

bool StartsWithDrive(std::u16string_view path) {
  return path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == u':';
}

bool HasLongPathPrefix(std::u16string_view path) { return path.starts_with(kLongPathPrefix); }

std::size_t LastDelimiter(std::u16string_view path) { return path.find_last_of(u"\\:"); }

// The working directory as a path text, "\tmp\work" for /tmp/work.
std::u16string WorkingDirectoryText() {
  std::vector<char> buffer(PATH_MAX);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) throw Error(SystemErrorText(errno));
    buffer.resize(buffer.size() * 2);
  }
  std::u16string text = FromNativeName(buffer.data());
  for (char16_t& c : text) {
    if (c == u'/') c = u'\\';
  }
  return text;
}

}  // namespace

std::u16string ExtractFilePath(std::u16string_view path) {
  const std::size_t i = LastDelimiter(path);
  return i == std::u16string_view::npos ? std::u16string() : std::u16string(path.substr(0, i + 1));
}

std::u16string ExtractFileDir(std::u16string_view path) {
  const std::size_t i = LastDelimiter(path);
  if (i == std::u16string_view::npos) return std::u16string();
  std::size_t end = i + 1;
  if (path[i] == u'\\' && i > 0 && path[i - 1] != u'\\' && path[i - 1] != u':') end = i;
  return std::u16string(path.substr(0, end));
}

std::u16string IncludeTrailingPathDelimiter(std::u16string_view path) {
  std::u16string result(path);
  if (!path.ends_with(u'\\')) result.push_back(u'\\');
  return result;
}

std::u16string ExpandFileName(std::u16string_view path) {
  std::u16string text(path);
  for (char16_t& c : text) {
    if (c == u'/') c = u'\\';
  }
  if (Trim(text).empty() || HasLongPathPrefix(text)) return text;

  // The root stays as written; only what follows it is resolved.
  std::size_t root_length = 1;
  if (StartsWithDrive(text)) {
    root_length = text.size() > 2 && text[2] == u'\\' ? 3 : 2;
  } else if (text.starts_with(u"\\\\")) {
    root_length = 2;
  } else if (!text.starts_with(u'\\')) {
    text = WorkingDirectoryText() + u"\\" + text;
  }
  const std::u16string_view root = std::u16string_view(text).substr(0, root_length);
  const std::u16string_view rest = std::u16string_view(text).substr(root_length);

  std::vector<std::u16string_view> segments;
  std::size_t start = 0;
  while (start <= rest.size()) {
    std::size_t end = rest.find(u'\\', start);
    if (end == std::u16string_view::npos) end = rest.size();
    const std::u16string_view segment = rest.substr(start, end - start);
    if (segment == u"..") {
      if (!segments.empty()) segments.pop_back();
    } else if (!segment.empty() && segment != u".") {
      segments.push_back(segment);
    }
    start = end + 1;
  }

  std::u16string result(root);
  for (std::size_t i = 0; i < segments.size(); ++i) {
    if (i > 0) result.push_back(u'\\');
    result.append(segments[i]);
  }
  if (!segments.empty() && rest.ends_with(u'\\')) result.push_back(u'\\');
  return result;
}

void CheckPathText(std::u16string_view path, std::size_t length_limit) {
  const bool long_path = HasLongPathPrefix(path);
  if (path.size() >= length_limit && !long_path) throw Error(u"The specified path is too long");

  const std::u16string_view body = long_path ? path.substr(kLongPathPrefix.size()) : path;
  const std::size_t drive_colon = StartsWithDrive(body) ? 1 : std::u16string_view::npos;
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (body[i] == u':' && i != drive_colon) throw Error(u"The path format is not supported");
  }

  bool invalid = Trim(path).empty();
  for (const char16_t c : path) {
    if (c < 32 || c == u'"' || c == u'|' || c == u'<' || c == u'>') invalid = true;
  }
  if (invalid) throw Error(u"Invalid characters in path");
}

void CheckSearchPattern(std::u16string_view pattern) {
  bool invalid = Trim(pattern).empty();
  for (const char16_t c : pattern) {
    if (c < 32 || std::u16string_view(u"\"|/:<>\\").find(c) != std::u16string_view::npos) {
      invalid = true;
    }
  }
  if (invalid) throw Error(u"Invalid characters in search pattern");
}

}  // namespace torvane
