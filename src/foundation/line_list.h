// The line list: the ordered name=value text list on which all text handling of Torvane rests.
//
// Its behaviour decides the bytes of every output file and the result of every lookup by name,
// so the sort, the bisection, the text rules and the encodings follow one fixed set of rules.
// Comparisons are the case-insensitive linguistic ones of collation.h; they go through cached
// sort keys, and repeated lookups in an unsorted list go through an index of those keys.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "foundation/code_page.h"
#include "foundation/lookup_index.h"

namespace torvane {

/// Calls line(start, length) for each line of text by the line list's rules: CR LF, CR or LF
/// end a line, NUL ends the text, and a final line break adds no empty line.
template <typename LineFn>
void ForEachTextLine(std::u16string_view text, LineFn&& line) {
  const size_t n = text.size();
  size_t p = 0;
  while (p < n && text[p] != u'\0') {
    const size_t start = p;
    while (p < n && text[p] != u'\r' && text[p] != u'\n' && text[p] != u'\0') ++p;
    line(start, p - start);
    if (p < n && text[p] == u'\r') ++p;
    if (p < n && text[p] == u'\n') ++p;
  }
}

class TStringList {
 public:
  TStringList() = default;
  TStringList(const TStringList& other) { Assign(other); }
  TStringList& operator=(const TStringList& other) {
    if (this != &other) Assign(other);
    return *this;
  }
  TStringList(TStringList&&) = default;
  TStringList& operator=(TStringList&&) = default;
  virtual ~TStringList() = default;

  int Count() const { return static_cast<int>(items_.size()); }
  /// Item i; raises "List index out of bounds (%d)" outside 0..Count-1.
  const std::u16string& Strings(int index) const;
  const std::u16string& operator[](int index) const { return Strings(index); }
  /// Replaces item i; raises "Operation not allowed on sorted list" in sorted mode.
  void Put(int index, std::u16string s);
  /// Appends s, or in sorted mode inserts it where bisection puts it; an item equal to a present
  /// one adds nothing there and the present one's index is returned.
  int Add(std::u16string s);
  void Delete(int index);
  /// Removes the items; settings, the encoding included, stay.
  void Clear();

  int IndexOf(std::u16string_view s) const;
  /// The text before the first "="; empty when there is none.
  std::u16string Names(int index) const;
  /// The text after the first "="; empty when there is none.
  std::u16string ValueFromIndex(int index) const;
  /// The first item holding a "=" whose name compares equal to name, in list order.
  int IndexOfName(std::u16string_view name) const;
  /// The found item's text from character Length(name)+2 on: the value, when the item's name
  /// has the length of the name asked for.
  std::u16string Values(std::u16string_view name) const;

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);

  /// Every item followed by CR LF.
  std::u16string Text() const;
  /// Replaces the items with the lines of text: CR LF, CR or LF end a line, NUL ends the text.
  void SetText(std::u16string_view text);
  std::u16string CommaText() const;

  /// Makes this list a copy of src, settings and encoding included.
  void Assign(const TStringList& src);
  void AddStrings(const TStringList& src);

  /// Replaces the items with the file's decoded lines and records the encoding found.
  void LoadFromFile(std::u16string_view path_text);
  void LoadFromStream(std::istream& stream);
  void LoadFromBytes(std::string_view bytes);
  /// Writes the file whole or not at all, in the recorded encoding (the ANSI code page when
  /// none), with the encoding's byte-order mark.
  void SaveToFile(std::u16string_view path_text) const;
  /// The bytes SaveToFile writes.
  std::string SavedBytes() const;
  /// The bytes SaveToFile would write for a list whose Text is text, in this list's encoding.
  std::string BytesOfText(std::u16string_view text) const;

  /// The encoding the last load found; none for a list never loaded.
  std::optional<TextEncoding> Encoding() const { return encoding_; }

  std::vector<std::u16string> ToVector() const;

  /// Builds the lookup index now, so that IndexOf, IndexOfName and Values change nothing
  /// inside the list afterwards and several threads may call them at once.
  void PrepareLookups() const;

 private:
  struct Item {
    explicit Item(std::u16string t) : text(std::move(t)) {}
    std::u16string text;
    mutable std::string key;  // SortKey(text), when keyed
    mutable bool keyed = false;
  };

  const std::string& KeyOf(const Item& item) const;
  void CheckIndex(int index) const;
  bool Find(const std::string& key, int& index) const;
  void QuickSort(int lo, int hi);
  void ComputeKeys() const;
  void InsertItem(int index, Item item);
  int AddItem(Item item);
  void Changed();

  std::vector<Item> items_;
  bool sorted_ = false;
  std::optional<TextEncoding> encoding_;

  // Lookup indexes: first item per text (IndexOf of an unsorted list) and first item holding
  // "=" per name (IndexOfName). Each is built on its second lookup since the last change that
  // it could not follow; appends keep them.
  struct Lookup {
    LookupIndex index;
    bool valid = false;
    int uses_since_change = 0;
  };
  bool UseLookup(Lookup& lookup, bool names) const;
  void BuildLookup(Lookup& lookup, bool names) const;
  void AddToLookups(int index) const;

  mutable Lookup by_text_;
  mutable Lookup by_name_;
};

/// The hashed variant; it behaves exactly as TStringList for everything the system does.
class THashedStringList : public TStringList {};

}  // namespace torvane
