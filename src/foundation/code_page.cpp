// Text encodings of files: the system ANSI code page and the Unicode encodings.
#include "foundation/code_page.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <cstdlib>

#include "foundation/error.h"
#include "foundation/text.h"

namespace torvane {

namespace {

constexpr int kDefaultCodePage = 936;
constexpr char32_t kQuestionMark = u'?';
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

ConverterPtr Clone(void* converter) {
  UErrorCode status = U_ZERO_ERROR;
  ConverterPtr copy(ucnv_clone(static_cast<UConverter*>(converter), &status));
  if (U_FAILURE(status) || !copy) throw Error(u"Cannot use the code page: " + Ascii(u_errorName(status)));
  return copy;
}

// Windows writes "?" for every character it cannot map, the default-ignorable ones included,
// where ICU's own substitution would silently drop those.
void WriteQuestionMark(const void*, UConverterFromUnicodeArgs* args, const UChar*, int32_t,
                       UChar32, UConverterCallbackReason reason, UErrorCode* status) {
  if (reason == UCNV_UNASSIGNED || reason == UCNV_ILLEGAL || reason == UCNV_IRREGULAR) {
    *status = U_ZERO_ERROR;
    ucnv_cbFromUWriteBytes(args, "?", 1, 0, status);
  }
}

void AppendCodePoint(std::u16string& out, char32_t c) {
  if (c <= 0xFFFF) {
    out.push_back(static_cast<char16_t>(c));
  } else {
    out.push_back(U16_LEAD(c));
    out.push_back(U16_TRAIL(c));
  }
}

// One character decoded alone; "?" when ICU finds the bytes illegal or unassigned.
char32_t DecodeOne(UConverter* converter, const char* bytes, int32_t length) {
  UChar out[4];
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n = ucnv_toUChars(converter, out, 4, bytes, length, &status);
  if (U_FAILURE(status) || n <= 0) return kQuestionMark;
  UChar32 c;
  int32_t i = 0;
  U16_NEXT(out, i, n, c);
  return i == n ? static_cast<char32_t>(c) : kQuestionMark;
}

std::u16string DecodeUtf8(std::string_view bytes) {
  if (bytes.empty()) return {};
  std::u16string out(bytes.size(), u'\0');
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, bytes.data(),
                       static_cast<int32_t>(bytes.size()), 0xFFFD, nullptr, &status);
  if (U_FAILURE(status)) throw Error(u"Cannot decode UTF-8 text: " + Ascii(u_errorName(status)));
  out.resize(length);
  return out;
}

std::string EncodeUtf8(std::u16string_view text) {
  if (text.empty()) return {};
  std::string out(text.size() * 3, '\0');
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, text.data(),
                     static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
  if (U_FAILURE(status)) throw Error(u"Cannot encode UTF-8 text: " + Ascii(u_errorName(status)));
  out.resize(length);
  return out;
}

// Every two bytes give one code unit; an odd last byte is dropped.
std::u16string DecodeUtf16(std::string_view bytes, bool big_endian) {
  std::u16string out(bytes.size() / 2, u'\0');
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  for (size_t i = 0; i < out.size(); ++i) {
    const unsigned lo = b[2 * i + (big_endian ? 1 : 0)];
    const unsigned hi = b[2 * i + (big_endian ? 0 : 1)];
    out[i] = static_cast<char16_t>(lo | (hi << 8));
  }
  return out;
}

std::string EncodeUtf16(std::u16string_view text, bool big_endian) {
  std::string out(text.size() * 2, '\0');
  for (size_t i = 0; i < text.size(); ++i) {
    const char lo = static_cast<char>(text[i] & 0xFF);
    const char hi = static_cast<char>(text[i] >> 8);
    out[2 * i] = big_endian ? hi : lo;
    out[2 * i + 1] = big_endian ? lo : hi;
  }
  return out;
}

std::string IcuName(int number) {
  if (number == kDefaultCodePage) return "windows-936-2000";
  return "windows-" + std::to_string(number);
}

int SystemCodePageNumber() {
  const char* value = std::getenv("TORVANE_ACP");
  if (value == nullptr || *value == '\0') return kDefaultCodePage;
  char* end = nullptr;
  const long number = std::strtol(value, &end, 10);
  if (*end != '\0' || number <= 0 || number > 65535) {
    throw Error(u"TORVANE_ACP is not a code page number: " + FromUtf8(value));
  }
  return static_cast<int>(number);
}

}  // namespace

CodePage::CodePage(int number, Kind kind, void* converter)
    : number_(number), kind_(kind), converter_(converter) {}

CodePage::~CodePage() {
  if (converter_ != nullptr) ucnv_close(static_cast<UConverter*>(converter_));
}

std::unique_ptr<CodePage> CodePage::Open(int number) {
  if (number == 65001) return std::unique_ptr<CodePage>(new CodePage(number, Kind::kUtf8, nullptr));
  if (number == 1200) return std::unique_ptr<CodePage>(new CodePage(number, Kind::kUtf16LE, nullptr));
  if (number == 1201) return std::unique_ptr<CodePage>(new CodePage(number, Kind::kUtf16BE, nullptr));

  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open(IcuName(number).c_str(), &status);
  if (U_FAILURE(status) || converter == nullptr) {
    throw Error(u"Unknown code page " + IntToStr(number));
  }
  ucnv_setFallback(converter, true);
  status = U_ZERO_ERROR;
  ucnv_setFromUCallBack(converter, WriteQuestionMark, nullptr, nullptr, nullptr, &status);
  status = U_ZERO_ERROR;
  ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);

  const UConverterType type = ucnv_getType(converter);
  const bool table = ucnv_getMaxCharSize(converter) <= 2 &&
                     (type == UCNV_SBCS || type == UCNV_DBCS || type == UCNV_MBCS);
  std::unique_ptr<CodePage> page(new CodePage(number, table ? Kind::kTable : Kind::kIcu, converter));
  if (table) page->BuildTable();
  // Code pages that ICU decodes without the pair table keep ICU's own substitution.
  if (!table) {
    status = U_ZERO_ERROR;
    ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_SUBSTITUTE, nullptr, nullptr, nullptr, &status);
  }
  return page;
}

// Decoding through tables makes the Windows rules for bad pairs easy to state and keeps the
// hot path free of ICU calls: at most 256 + 256 × 256 characters, decoded once.
void CodePage::BuildTable() {
  UConverter* converter = static_cast<UConverter*>(converter_);
  single_.assign(256, kQuestionMark);
  lead_.assign(256, false);
  UErrorCode status = U_ZERO_ERROR;
  UBool starters[256] = {};
  if (ucnv_getType(converter) != UCNV_SBCS) {
    ucnv_getStarters(converter, starters, &status);
    if (U_FAILURE(status)) std::fill(std::begin(starters), std::end(starters), false);
  }
  bool any_lead = false;
  for (int b = 0; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    if (starters[b]) {
      lead_[b] = true;
      any_lead = true;
    } else {
      single_[b] = b == 0 ? 0 : DecodeOne(converter, &byte, 1);
    }
  }
  if (!any_lead) return;
  pair_.assign(256 * 256, kQuestionMark);
  for (int b = 0; b < 256; ++b) {
    if (!lead_[b]) continue;
    for (int t = 1; t < 256; ++t) {
      const char bytes[2] = {static_cast<char>(b), static_cast<char>(t)};
      pair_[b * 256 + t] = DecodeOne(converter, bytes, 2);
    }
  }
}

const CodePage& CodePage::System() {
  static const std::unique_ptr<CodePage> system = Open(SystemCodePageNumber());
  return *system;
}

std::u16string CodePage::Decode(std::string_view bytes) const {
  switch (kind_) {
    case Kind::kUtf8:
      return DecodeUtf8(bytes);
    case Kind::kUtf16LE:
      return DecodeUtf16(bytes, false);
    case Kind::kUtf16BE:
      return DecodeUtf16(bytes, true);
    case Kind::kIcu: {
      ConverterPtr converter = Clone(converter_);
      std::u16string out(bytes.size() * 2 + 2, u'\0');
      UErrorCode status = U_ZERO_ERROR;
      const int32_t n = ucnv_toUChars(converter.get(), out.data(), static_cast<int32_t>(out.size()),
                                      bytes.data(), static_cast<int32_t>(bytes.size()), &status);
      if (U_FAILURE(status)) throw Error(u"Cannot decode text: " + Ascii(u_errorName(status)));
      out.resize(n);
      return out;
    }
    case Kind::kTable:
      break;
  }
  std::u16string out;
  out.reserve(bytes.size());
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  size_t i = 0;
  while (i < n) {
    const unsigned char c = b[i];
    if (!lead_[c]) {
      AppendCodePoint(out, single_[c]);
      ++i;
    } else if (i + 1 == n || b[i + 1] == 0) {
      out.push_back(u'?');  // a NUL after a lead byte is decoded on its own
      ++i;
    } else {
      AppendCodePoint(out, pair_[c * 256 + b[i + 1]]);
      i += 2;
    }
  }
  return out;
}

std::string CodePage::Encode(std::u16string_view text) const {
  switch (kind_) {
    case Kind::kUtf8:
      return EncodeUtf8(text);
    case Kind::kUtf16LE:
      return EncodeUtf16(text, false);
    case Kind::kUtf16BE:
      return EncodeUtf16(text, true);
    case Kind::kIcu:
    case Kind::kTable:
      break;
  }
  if (text.empty()) return {};
  ConverterPtr converter = Clone(converter_);
  std::string out(UCNV_GET_MAX_BYTES_FOR_STRING(text.size(), ucnv_getMaxCharSize(converter.get())),
                  '\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n = ucnv_fromUChars(converter.get(), out.data(), static_cast<int32_t>(out.size()),
                                    text.data(), static_cast<int32_t>(text.size()), &status);
  if (U_FAILURE(status)) throw Error(u"Cannot encode text: " + Ascii(u_errorName(status)));
  out.resize(n);
  return out;
}

std::string_view CodePage::ByteOrderMark() const {
  switch (kind_) {
    case Kind::kUtf8:
      return kUtf8Mark;
    case Kind::kUtf16LE:
      return kUtf16LEMark;
    case Kind::kUtf16BE:
      return kUtf16BEMark;
    default:
      return {};
  }
}

std::u16string DecodeText(TextEncoding encoding, std::string_view bytes) {
  switch (encoding) {
    case TextEncoding::kUtf8:
      return DecodeUtf8(bytes);
    case TextEncoding::kUtf16LE:
      return DecodeUtf16(bytes, false);
    case TextEncoding::kUtf16BE:
      return DecodeUtf16(bytes, true);
    case TextEncoding::kAnsi:
      break;
  }
  return CodePage::System().Decode(bytes);
}

std::string EncodeText(TextEncoding encoding, std::u16string_view text) {
  switch (encoding) {
    case TextEncoding::kUtf8:
      return EncodeUtf8(text);
    case TextEncoding::kUtf16LE:
      return EncodeUtf16(text, false);
    case TextEncoding::kUtf16BE:
      return EncodeUtf16(text, true);
    case TextEncoding::kAnsi:
      break;
  }
  return CodePage::System().Encode(text);
}

std::string_view ByteOrderMark(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::kUtf8:
      return kUtf8Mark;
    case TextEncoding::kUtf16LE:
      return kUtf16LEMark;
    case TextEncoding::kUtf16BE:
      return kUtf16BEMark;
    case TextEncoding::kAnsi:
      break;
  }
  return CodePage::System().ByteOrderMark();
}

std::u16string DecodeMarkedText(std::string_view bytes, TextEncoding& encoding) {
  encoding = TextEncoding::kAnsi;
  for (TextEncoding marked : {TextEncoding::kUtf8, TextEncoding::kUtf16LE, TextEncoding::kUtf16BE}) {
    const std::string_view mark = ByteOrderMark(marked);
    if (bytes.substr(0, mark.size()) == mark) {
      encoding = marked;
      bytes.remove_prefix(mark.size());
      break;
    }
  }
  return DecodeText(encoding, bytes);
}

}  // namespace torvane
