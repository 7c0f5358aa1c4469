// The store category of a device class.
#include "inf/device_class.h"

#include "foundation/text.h"

namespace torvane {

namespace {

struct CategoryRow {
  std::u16string_view keywords;
  std::u16string_view category;
};

// Every matching row overwrites the result, so a later row wins: "USBPrint" is a printer.
constexpr CategoryRow kCategories[] = {
    {u"SYSTEM", u"System"},
    {u"USB", u"USB"},
    {u"HDC,DISKDRIVE", u"hdc"},
    {u"SMARTCARD,SDHOST,PCMCIA", u"CardReader"},
    {u"DOT,PRINT", u"Printer"},
    {u"SCAN,IMAGE", u"Image"},
    {u"MEDIA", u"MEDIA"},
    {u"MODEM", u"Modem"},
    {u"NET,WIMAX", u"Net"},
    {u"BLUETOOTH", u"Bluetooth"},
    {u"HID,MOUSE,KEYBOARD", u"HIDClass"},
    {u"SENSOR,BIOMETRIC,SECURITY", u"Sensor"},
    {u"NFC", u"NFC"},
    {u"MONITOR", u"Monitor"},
    {u"DISPLAY", u"Display"},
    {u"PORTS", u"Ports"},
};

}  // namespace

bool ClassMatchesKeywords(std::u16string_view device_class, std::u16string_view keywords) {
  const std::u16string upper = UpperCase(device_class);
  size_t start = 0;
  while (true) {
    const size_t comma = keywords.find(u',', start);
    const std::u16string_view keyword =
        keywords.substr(start, comma == std::u16string_view::npos ? std::u16string_view::npos
                                                                  : comma - start);
    if (upper.find(keyword) != std::u16string::npos) return true;
    if (comma == std::u16string_view::npos) return false;
    start = comma + 1;
  }
}

std::u16string DeviceClassFolder(std::u16string_view device_class) {
  std::u16string_view result = u"Other";
  for (const CategoryRow& row : kCategories) {
    if (ClassMatchesKeywords(device_class, row.keywords)) result = row.category;
  }
  return std::u16string(result);
}

}  // namespace torvane
