// The store category of a device class: the first folder under "Drivers\Files\".
#pragma once

#include <string>
#include <string_view>

namespace torvane {

/// The category of the last table row with a keyword in the class; "Other" when none has.
std::u16string DeviceClassFolder(std::u16string_view device_class);

/// True when one keyword of the comma-separated list occurs in the class, the class's ASCII
/// letters taken in capitals.
bool ClassMatchesKeywords(std::u16string_view device_class, std::u16string_view keywords);

}  // namespace torvane
