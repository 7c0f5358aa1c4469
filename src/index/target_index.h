// Index lines of one driver record for one Windows target, as the planner and the single-file
// test write them: the third field counts from the record's first hardware-ID line.
#pragma once

#include <string_view>

#include "foundation/line_list.h"
#include "inf/driver_version.h"

namespace torvane {

class TInfFile;

/// For range_str START=END, one line HWID=DAYCOUNT@BASE@I per ID index I, with BASE the dump
/// list's line count minus 8. Raises the list's index error for an I outside the record's IDs.
void AddRangeIndexLines(const TInfFile& inf, std::u16string_view range_str,
                        const TStringList& dump_list, TStringList& index_lines);

/// The index lines of every range when the record serves target, then the record's hardware-ID
/// lines appended to the dump list whether or not it does.
/// REQUIRES: the record's dump block was appended to dump_list just before.
void AddTargetIndexLines(const TInfFile& inf, TDriverVersion target, TStringList& dump_list,
                         TStringList& index_lines);

}  // namespace torvane
