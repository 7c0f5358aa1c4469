// The message a call raises, for tests that compare the system's error texts.
#pragma once

#include <string>

#include "foundation/error.h"

namespace torvane::testing {

/// The message of the torvane::Error that call raises, or "" when it raises nothing.
template <typename Call>
std::u16string MessageOf(Call&& call) {
  try {
    call();
  } catch (const Error& e) {
    return e.Message();
  }
  return u"";
}

}  // namespace torvane::testing
