// The line list.
#include "foundation/line_list.h"

#include <algorithm>
#include <istream>
#include <thread>
#include <iterator>
#include <utility>

#include "foundation/collation.h"
#include "foundation/error.h"
#include "foundation/file_io.h"
#include "foundation/parallel.h"
#include "foundation/text.h"

namespace torvane {

namespace {

// Below this many items a lookup scans; an index would cost more than it saves.
constexpr int kIndexMinCount = 16;

bool NeedsQuotes(std::u16string_view s) {
  for (char16_t c : s) {
    if (c == u'"' || c == u',' || (c >= 1 && c <= 32)) return true;
  }
  return false;
}

}  // namespace

const std::string& TStringList::KeyOf(const Item& item) const {
  if (!item.keyed) {
    item.key = SortKey(item.text);
    item.keyed = true;
  }
  return item.key;
}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) {
    throw Error(u"List index out of bounds (" + IntToStr(index) + u")");
  }
}

const std::u16string& TStringList::Strings(int index) const {
  CheckIndex(index);
  return items_[index].text;
}

void TStringList::Put(int index, std::u16string s) {
  if (sorted_) throw Error(u"Operation not allowed on sorted list");
  CheckIndex(index);
  items_[index] = Item(std::move(s));
  Changed();
}

int TStringList::Add(std::u16string s) { return AddItem(Item(std::move(s))); }

int TStringList::AddItem(Item item) {
  if (!sorted_) {
    items_.push_back(std::move(item));
    const int index = Count() - 1;
    AddToLookups(index);
    return index;
  }
  int index = 0;
  if (Find(KeyOf(item), index)) return index;
  InsertItem(index, std::move(item));
  return index;
}

void TStringList::InsertItem(int index, Item item) {
  items_.insert(items_.begin() + index, std::move(item));
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  items_.clear();
  Changed();
}

void TStringList::Changed() {
  for (Lookup* lookup : {&by_text_, &by_name_}) {
    lookup->index.Clear();
    lookup->valid = false;
    lookup->uses_since_change = 0;
  }
}

// The bisection stops at the first equal item it meets, which need not be the first of a run of
// equal items; Add and IndexOf on a sorted list answer with that one.
bool TStringList::Find(const std::string& key, int& index) const {
  int low = 0;
  int high = Count() - 1;
  bool found = false;
  while (low <= high) {
    const int mid = (low + high) / 2;
    const int c = KeyOf(items_[mid]).compare(key);
    if (c < 0) {
      low = mid + 1;
    } else {
      high = mid - 1;
      if (c == 0) {
        found = true;
        low = mid;
      }
    }
  }
  index = low;
  return found;
}

bool TStringList::UseLookup(Lookup& lookup, bool names) const {
  if (lookup.valid) return true;
  if (Count() < kIndexMinCount) return false;
  if (++lookup.uses_since_change < 2) return false;
  BuildLookup(lookup, names);
  return true;
}

void TStringList::BuildLookup(Lookup& lookup, bool names) const {
  lookup.index.Clear();
  for (int i = 0; i < Count(); ++i) {
    const std::u16string& text = items_[i].text;
    if (!names) {
      lookup.index.Add(text, i);
    } else if (const size_t eq = text.find(u'='); eq != std::u16string::npos) {
      lookup.index.Add(std::u16string_view(text).substr(0, eq), i);
    }
  }
  lookup.valid = true;
}

void TStringList::AddToLookups(int index) const {
  const std::u16string& text = items_[index].text;
  if (by_text_.valid) by_text_.index.Add(text, index);
  if (by_name_.valid) {
    if (const size_t eq = text.find(u'='); eq != std::u16string::npos) {
      by_name_.index.Add(std::u16string_view(text).substr(0, eq), index);
    }
  }
}

int TStringList::IndexOf(std::u16string_view s) const {
  if (sorted_) {
    int index = 0;
    return Find(SortKey(s), index) ? index : -1;
  }
  if (UseLookup(by_text_, false)) {
    if (const std::optional<int> found = by_text_.index.Find(s)) return *found;
  }
  for (int i = 0; i < Count(); ++i) {
    if (CompareText(items_[i].text, s) == 0) return i;
  }
  return -1;
}

std::u16string TStringList::Names(int index) const {
  const std::u16string& s = Strings(index);
  const size_t eq = s.find(u'=');
  return eq == std::u16string::npos ? std::u16string() : s.substr(0, eq);
}

std::u16string TStringList::ValueFromIndex(int index) const {
  const std::u16string& s = Strings(index);
  const size_t eq = s.find(u'=');
  return eq == std::u16string::npos ? std::u16string() : s.substr(eq + 1);
}

int TStringList::IndexOfName(std::u16string_view name) const {
  if (UseLookup(by_name_, true)) {
    if (const std::optional<int> found = by_name_.index.Find(name)) return *found;
  }
  for (int i = 0; i < Count(); ++i) {
    const std::u16string& s = items_[i].text;
    const size_t eq = s.find(u'=');
    if (eq != std::u16string::npos &&
        CompareText(std::u16string_view(s).substr(0, eq), name) == 0) {
      return i;
    }
  }
  return -1;
}

std::u16string TStringList::Values(std::u16string_view name) const {
  const int index = IndexOfName(name);
  if (index < 0) return {};
  const std::u16string& s = items_[index].text;
  const size_t from = name.size() + 1;  // 0-based position of character Length(name)+2
  return from >= s.size() ? std::u16string() : s.substr(from);
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  if (sorted && Count() >= 2) {
    QuickSort(0, Count() - 1);
    Changed();
  }
  sorted_ = sorted;
}

// The exact partition steps decide where equal items end, so they are kept as they are; only
// the recursion into the left part became an explicit stack. The parts are disjoint, so the
// order in which they are sorted does not change the result, and no input can exhaust the
// call stack.
void TStringList::QuickSort(int lo, int hi) {
  ComputeKeys();
  std::vector<std::pair<int, int>> pending{{lo, hi}};
  while (!pending.empty()) {
    auto [l, r] = pending.back();
    pending.pop_back();
    int i;
    do {
      i = l;
      int j = r;
      int p = (l + r) / 2;
      do {
        while (items_[i].key.compare(items_[p].key) < 0) ++i;
        while (items_[j].key.compare(items_[p].key) > 0) --j;
        if (i <= j) {
          if (i != j) std::swap(items_[i], items_[j]);
          if (p == i) {
            p = j;
          } else if (p == j) {
            p = i;
          }
          ++i;
          --j;
        }
      } while (i <= j);
      if (l < j) pending.emplace_back(l, j);
      l = i;
    } while (i < r);
  }
}

// Sort keys cost far more than the comparisons that use them; for long lists they are made on
// all cores, each thread on its own stretch of items.
void TStringList::ComputeKeys() const {
  constexpr int kPerThreadMinimum = 20000;
  const int count = Count();
  const int threads = std::min(ParallelJobs(), std::max(1, count / kPerThreadMinimum));
  if (threads <= 1) {
    for (const Item& item : items_) KeyOf(item);
    return;
  }
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t) {
    workers.emplace_back([this, t, threads, count] {
      const int begin = static_cast<int>(static_cast<int64_t>(count) * t / threads);
      const int end = static_cast<int>(static_cast<int64_t>(count) * (t + 1) / threads);
      for (int i = begin; i < end; ++i) KeyOf(items_[i]);
    });
  }
  for (std::thread& w : workers) w.join();
}

std::u16string TStringList::Text() const {
  size_t length = 0;
  for (const Item& item : items_) length += item.text.size() + 2;
  std::u16string text;
  text.reserve(length);
  for (const Item& item : items_) {
    text += item.text;
    text += u"\r\n";
  }
  return text;
}

void TStringList::SetText(std::u16string_view text) {
  Clear();
  if (!sorted_) {
    // One allocation for the items of a whole file, not one per doubling.
    size_t breaks = 1;
    for (char16_t c : text) breaks += c == u'\n' || c == u'\r';
    items_.reserve(breaks);
  }
  ForEachTextLine(text, [&](size_t start, size_t length) {
    AddItem(Item(std::u16string(text.substr(start, length))));
  });
}

std::u16string TStringList::CommaText() const {
  if (Count() == 1 && items_[0].text.empty()) return u"\"\"";
  std::u16string out;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) out += u',';
    const std::u16string& s = items_[i].text;
    if (!NeedsQuotes(s)) {
      out += s;
      continue;
    }
    out += u'"';
    for (char16_t c : s) {
      if (c == u'"') out += u'"';
      out += c;
    }
    out += u'"';
  }
  return out;
}

void TStringList::Assign(const TStringList& src) {
  if (this == &src) return;
  sorted_ = src.sorted_;
  items_.clear();
  Changed();
  encoding_ = src.encoding_;
  items_.reserve(src.items_.size());
  for (const Item& item : src.items_) AddItem(item);
}

void TStringList::AddStrings(const TStringList& src) {
  // Copied first, so that adding a list to itself adds each item once.
  const std::vector<Item> copy = src.items_;
  for (const Item& item : copy) AddItem(item);
}

void TStringList::LoadFromFile(std::u16string_view path_text) {
  LoadFromBytes(ReadFileBytes(path_text));
}

void TStringList::LoadFromStream(std::istream& stream) {
  const std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
  LoadFromBytes(bytes);
}

void TStringList::LoadFromBytes(std::string_view bytes) {
  TextEncoding encoding = TextEncoding::kAnsi;
  SetText(DecodeMarkedText(bytes, encoding));
  encoding_ = encoding;
}

std::string TStringList::SavedBytes() const { return BytesOfText(Text()); }

std::string TStringList::BytesOfText(std::u16string_view text) const {
  const TextEncoding encoding = encoding_.value_or(TextEncoding::kAnsi);
  std::string bytes(ByteOrderMark(encoding));
  bytes += EncodeText(encoding, text);
  return bytes;
}

void TStringList::SaveToFile(std::u16string_view path_text) const {
  WriteFileAtomically(path_text, SavedBytes());
}

void TStringList::PrepareLookups() const {
  if (Count() >= kIndexMinCount) {
    if (!sorted_ && !by_text_.valid) BuildLookup(by_text_, false);
    if (!by_name_.valid) BuildLookup(by_name_, true);
  }
  ComputeKeys();
}

std::vector<std::u16string> TStringList::ToVector() const {
  std::vector<std::u16string> out;
  out.reserve(items_.size());
  for (const Item& item : items_) out.push_back(item.text);
  return out;
}

}  // namespace torvane
