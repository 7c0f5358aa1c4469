// The section scan: one pass over an INF file's lines that collects version keys, model
// sections, hardware IDs and strings, then substitutes tokens and finishes the record.
#include "inf/inf_file.h"

#include "foundation/text.h"
#include "inf/inf_values.h"
#include "inf/token_substitution.h"

namespace torvane {

namespace {

class SectionScan {
 public:
  explicit SectionScan(const InfLines& lines) : lines_(lines) {}

  void Run();
  void FallbackStrings();

  TStringList version_list;
  TStringList models_list;
  TStringList ranges_list;
  TStringList ids_list;
  TStringList strings_list;

 private:
  // The current line, left-trimmed; reading past the last line raises the list's index error,
  // which fails the scan of the file.
  // A view into the file's lines, which stay as they are while the scan runs.
  void Load() { line_ = TrimLeftView(lines_.Strings(i_)); }
  void Advance() {
    ++i_;
    Load();
  }
  bool IsHeader() const { return !line_.empty() && line_[0] == u'['; }
  bool IsBlankOrComment() const { return line_.empty() || line_[0] == u';'; }

  void VersionLoop();
  void ManufacturerLoop();
  void ModelLoop();
  void StringsLoop();
  bool EarlyStop() const;

  const InfLines& lines_;
  int i_ = 0;
  int models_done_ = 0;
  std::u16string section_name_;
  std::u16string_view line_;
};

void SectionScan::Run() {
  while (true) {
    Load();
    if (!IsHeader()) {
      ++i_;
    } else {
      const size_t close = line_.find(u']');
      // Not trimmed: "[ Version]" names no known section.
      section_name_ = close == std::u16string_view::npos ? std::u16string()
                                                         : std::u16string(line_.substr(1, close - 1));
      Advance();
      if (SameText(section_name_, u"Version")) {
        VersionLoop();
      } else if (SameText(section_name_, u"Manufacturer")) {
        ManufacturerLoop();
      } else if (models_list.IndexOf(section_name_) >= 0) {
        ModelLoop();
      } else if (SameText(section_name_, u"Strings") || SameText(section_name_, u"Strings.0804")) {
        StringsLoop();
      } else if (models_done_ > 0 && EarlyStop()) {
        return;
      }
    }
    // The last line is never examined here; only the section loops read it.
    if (i_ > lines_.Count() - 2) return;
  }
}

// Version keys are told apart by the length of their name alone.
void SectionScan::VersionLoop() {
  while (!IsHeader()) {
    if (!IsBlankOrComment()) {
      const std::u16string key = Trim(lines_.Names(i_));
      const std::u16string value = CleanInfValue(lines_.ValueFromIndex(i_));
      switch (key.size()) {
        case 5:
          version_list.Add(u"Class=" + value);
          break;
        case 8:
          version_list.Add(u"Provider=" + value);
          break;
        case 9:
          if (key[8] == u'r' || key[8] == u'R') version_list.Add(u"DriverVer=" + value);
          break;
        case 11:
          version_list.Add(u"CatalogFile=" + value);
          break;
        default:
          break;
      }
    }
    Advance();
  }
}

void SectionScan::ManufacturerLoop() {
  while (!IsHeader()) {
    if (!IsBlankOrComment()) ExpandManufacturerLine(line_, models_list);
    Advance();
  }
}

void SectionScan::ModelLoop() {
  const int start = ids_list.Count();
  while (!IsHeader()) {
    if (!IsBlankOrComment()) ExpandModelLine(line_, ids_list);
    Advance();
  }
  if (ids_list.Count() > start) {
    ranges_list.Add(section_name_ + u"=" + IntToStr(start) + u"=" + IntToStr(ids_list.Count() - 1));
  }
  ++models_done_;
}

// Only the first strings section with content is collected; reaching the end here is no fault.
void SectionScan::StringsLoop() {
  const bool collecting = strings_list.Count() == 0;
  while (!IsHeader()) {
    if (collecting && !IsBlankOrComment()) AddStringsEntry(line_, strings_list);
    ++i_;
    if (i_ > lines_.Count() - 1) return;
    line_ = TrimLeftView(lines_.Strings(i_));
  }
}

// Stops once every listed model section was read, or when only one is left and the base name
// of the first Manufacturer line has no range: the sections that follow are not needed.
bool SectionScan::EarlyStop() const {
  const int listed = models_list.Count();
  if (models_done_ == listed) return true;
  return models_done_ == listed - 1 &&
         ranges_list.Text().find(models_list.Strings(0) + u"=") == std::u16string::npos;
}

// Bottom to top, so the last strings section is the one kept and, within it, the lower of two
// definitions of a key comes first.
void SectionScan::FallbackStrings() {
  for (int k = lines_.Count() - 1; k >= 0; --k) {
    const std::u16string_view line = TrimLeftView(lines_.Strings(k));
    if (line.empty() || line[0] == u';') continue;
    if (line[0] == u'[') {
      const std::u16string upper = UpperCase(line);
      if (upper.find(u"[STRINGS.0804]") != std::u16string::npos ||
          upper.find(u"[STRINGS]") != std::u16string::npos) {
        return;
      }
      strings_list.Clear();
    } else if (line.find(u'=') != std::u16string_view::npos) {
      strings_list.Add(Trim(lines_.Names(k)) + u"=" + CleanInfValue(lines_.ValueFromIndex(k)));
    }
  }
}

}  // namespace

void TInfFile::LoadValues(const TStringList& mfgs_list, TStringList& error_list) {
  try {
    ScanSections(mfgs_list);
  } catch (...) {
    error_list.Add(FFileName);
  }
}

void TInfFile::ScanSections(const TStringList& mfgs_list) {
  SectionScan scan(FStrings);
  scan.Run();
  scan.ranges_list.SetText(UpperCase(scan.ranges_list.Text()));
  FManufacturer = std::move(scan.ranges_list);
  FHwids = std::move(scan.ids_list);
  if (scan.strings_list.Count() == 0) scan.FallbackStrings();
  scan.version_list.SetText(SubstituteTokens(scan.version_list.Text(), scan.strings_list));
  FHwids.SetText(SubstituteTokens(FHwids.Text(), scan.strings_list));
  FinishRecord(scan.version_list, mfgs_list);
}

}  // namespace torvane
