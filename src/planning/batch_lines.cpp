// The lines of the generated batch scripts.
#include "planning/batch_lines.h"

#include "foundation/path_text.h"
#include "foundation/text.h"

namespace torvane {

namespace {

bool NeedsQuotes(std::u16string_view text) {
  return text.find_first_of(u" \t&|<>^()") != std::u16string_view::npos;
}

std::u16string DoublePercents(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    out += c;
    if (c == u'%') out += u'%';
  }
  return out;
}

}  // namespace

std::u16string BatchArgument(std::u16string_view text) {
  std::u16string argument = DoublePercents(text);
  if (!NeedsQuotes(text)) return argument;
  if (!argument.empty() && argument.back() == u'\\') argument += u'\\';
  return u"\"" + argument + u"\"";
}

std::u16string RobocopyLine(std::u16string_view source, std::u16string_view destination) {
  return u"robocopy " + BatchArgument(source) + u" " + BatchArgument(destination) + u" /e";
}

std::u16string PlannerCopyLine(std::u16string_view inf_path, std::u16string_view root,
                               std::u16string_view tree_suffix, std::u16string_view store_part) {
  return RobocopyLine(ExtractFilePath(inf_path),
                      std::u16string(root) + std::u16string(tree_suffix) + std::u16string(store_part));
}

std::u16string FullCopyLine(std::u16string_view inf_file, std::u16string_view dest_dir,
                            std::u16string_view directory, int n) {
  return RobocopyLine(ExtractFilePath(inf_file), std::u16string(dest_dir) + u"\\" +
                                                     std::u16string(directory) + IntToStr(n));
}

std::u16string FullZipLine(std::u16string_view inf_file, std::u16string_view dest_dir,
                           std::u16string_view directory, int n) {
  const std::u16string archive =
      std::u16string(dest_dir) + u"\\" + std::u16string(directory) + IntToStr(n) + u".7z";
  return u"7z a " + BatchArgument(archive) + u" " + BatchArgument(ExtractFilePath(inf_file) + u"*.*") +
         u" -r -mx9 ";
}

std::u16string CompressLine(std::u16string_view folder, bool marked) {
  return u"7z a " + BatchArgument(std::u16string(folder) + u".7z") + (marked ? u" >>>" : u" ") +
         BatchArgument(std::u16string(folder) + u"\\*.*") + u" -r -mx9";
}

std::u16string ReducedCopyLine(std::u16string_view path) {
  const std::u16string folder = ExtractFilePath(path);
  return u"robocopy " + BatchArgument(folder) + u" TTT" + BatchArgument(folder) + u" /e";
}

std::u16string CaptureParameters(std::u16string_view dest_dir, std::u16string_view caption) {
  const std::u16string dest(dest_dir);
  return u" /c imagex.exe /capture " + dest + u" " + dest + u".wim \"" + std::u16string(caption) +
         u" Drivers Pack by Ostrel\" /COMPRESS maximum";
}

}  // namespace torvane
