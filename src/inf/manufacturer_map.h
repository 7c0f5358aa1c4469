// The manufacturer map: the table inside the program that turns INF provider spellings into the
// short provider names that the driver store uses as folders.
#pragma once

#include <string>
#include <string_view>

#include "foundation/line_list.h"

namespace torvane {

/// The table as shipped: code page 936 text without a byte-order mark, one name=value a line,
/// every line ended by CR LF. Lives as long as the program.
std::string_view ManufacturerMapBytes();

/// Replaces the list's items with the table's lines, one entry a line in table order, decoded
/// as any text without a byte-order mark is (the system ANSI code page). The list is left
/// unsorted.
void LoadManufacturerMap(TStringList& list);

/// The provider name filed under for a provider text as the INF wrote it: the value of the first
/// row whose name equals it in the list's case-insensitive comparison, nothing trimmed; empty
/// when no row names it.
std::u16string LookUpProvider(const TStringList& map, std::u16string_view provider);

}  // namespace torvane
