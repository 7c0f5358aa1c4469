// Replacing %key% tokens of an INF text with the values of its Strings section.
//
// Each pass takes the text between the first two "%" signs as the token, looks it up, and
// replaces every occurrence of "%token%" in the whole text, line breaks included; the next pass
// starts again at the beginning. A lone "%" therefore pairs with the next one wherever it
// stands. Passes stop after kMaxSubstitutionPasses, or before a pass that would make the text
// longer than 8 times its first length plus 65,536, so a value holding its own token cannot
// make the text grow without end.
#pragma once

#include <string>
#include <string_view>

namespace torvane {

class TStringList;

inline constexpr int kMaxSubstitutionPasses = 10000;

/// The substituted text; strings holds KEY=VALUE lines looked up with Values.
std::u16string SubstituteTokens(std::u16string_view text, const TStringList& strings);

/// The same passes made literally, one rescan and rebuild of the whole text each: the
/// reference that SubstituteTokens must agree with.
std::u16string SubstituteTokensLiterally(std::u16string_view text, const TStringList& strings);

}  // namespace torvane
