// The one exception type of the system.
#include "foundation/error.h"

#include "foundation/text.h"

namespace torvane {

Error::Error(const std::u16string& message)
    : std::runtime_error(ToUtf8(message)), message_(message) {}

}  // namespace torvane
