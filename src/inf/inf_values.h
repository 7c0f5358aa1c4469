// Single-line INF helpers: field splitting, quote and comment cleaning, and the expanders that
// turn Manufacturer, model and Strings lines into the entries the section scan collects.
#pragma once

#include <string>
#include <string_view>

namespace torvane {

class TStringList;

/// Every occurrence of pattern replaced by value, left to right, without overlaps; the inserted
/// values are not searched again. An empty pattern matches nothing.
std::u16string ReplaceAll(std::u16string_view text, std::u16string_view pattern,
                          std::u16string_view value);

/// Drops one leading and then one trailing double quote, each where present.
std::u16string StripQuotes(std::u16string_view text);

/// Cut at the first ";", trimmed, quotes stripped.
std::u16string CleanInfValue(std::u16string_view text);

/// Appends the line's non-empty fields (separated by ",", "=" or "@"; a comment cut off first)
/// to list and returns their number. Empty fields are dropped before numbering.
int SplitInfFields(std::u16string_view line, TStringList& list);

/// Appends the model-section names a Manufacturer line names: the base name, then base + "." +
/// each decoration. Raises the list's index error when the line yields no field.
void ExpandManufacturerLine(std::u16string_view line, TStringList& list);

/// Appends HWID=DESCRIPTION, the ID upper-cased, for each hardware and compatible ID of a model
/// line (the third field on).
void ExpandModelLine(std::u16string_view line, TStringList& list);

/// Appends KEY=VALUE for a Strings line, quotes and the comment removed.
void AddStringsEntry(std::u16string_view line, TStringList& list);

}  // namespace torvane
