// The five Windows targets a driver can serve.
#include "inf/driver_version.h"

namespace torvane {

std::u16string_view DriverVersionText(TDriverVersion version) {
  static constexpr std::u16string_view kTexts[kDriverVersionCount] = {
      u"Windows XP x86", u"Windows 7 x86", u"Windows 7 x64", u"Windows 8 x86", u"Windows 8 x64"};
  return version < kDriverVersionCount ? kTexts[version] : std::u16string_view();
}

}  // namespace torvane
