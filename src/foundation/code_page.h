// Text encodings of files: the system ANSI code page and the Unicode encodings with their marks.
//
// The ANSI code page is 936 unless the environment variable TORVANE_ACP names another number.
// Decoding mimics Windows: in a double-byte code page a lead byte followed by an invalid
// non-NUL trail byte gives one "?" and consumes both bytes, and a lead byte at the end gives
// "?". Encoding uses best-fit mappings where the code page has them, otherwise "?".
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

enum class TextEncoding { kAnsi, kUtf8, kUtf16LE, kUtf16BE };

class CodePage {
 public:
  /// The system ANSI code page, opened once. Raises Error when TORVANE_ACP names a code page
  /// that cannot be opened.
  static const CodePage& System();
  /// A code page by its Windows number (936, 1252, 65001, 1200 …); raises Error if unknown.
  static std::unique_ptr<CodePage> Open(int number);

  ~CodePage();
  CodePage(const CodePage&) = delete;
  CodePage& operator=(const CodePage&) = delete;

  int Number() const { return number_; }
  std::u16string Decode(std::string_view bytes) const;
  std::string Encode(std::u16string_view text) const;
  /// Empty, except for the code pages that are themselves Unicode encodings (65001, 1200, 1201).
  std::string_view ByteOrderMark() const;

 private:
  enum class Kind { kTable, kIcu, kUtf8, kUtf16LE, kUtf16BE };
  CodePage(int number, Kind kind, void* converter);
  void BuildTable();

  int number_;
  Kind kind_;
  void* converter_;  // UConverter*, the template that every conversion clones
  // kTable: what each single byte decodes to, which bytes lead a pair, and what each pair gives.
  std::vector<char32_t> single_;
  std::vector<bool> lead_;
  std::vector<char32_t> pair_;
};

std::u16string DecodeText(TextEncoding encoding, std::string_view bytes);
std::string EncodeText(TextEncoding encoding, std::u16string_view text);
/// The mark a save writes first for the encoding (the ANSI code page's own, usually none).
std::string_view ByteOrderMark(TextEncoding encoding);
/// The text of a file's bytes: a UTF-8, UTF-16 LE or UTF-16 BE byte-order mark chooses that
/// encoding and is dropped; bytes without one are in the ANSI code page. Sets encoding to the
/// one used.
std::u16string DecodeMarkedText(std::string_view bytes, TextEncoding& encoding);

}  // namespace torvane
