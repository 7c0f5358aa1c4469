// Reading a published catalogue back, from a hardware ID to its drivers.
#include "commands/lookup_command.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "foundation/file_facts.h"
#include "foundation/file_io.h"
#include "foundation/text.h"
#include "index/scrambled_copy.h"

namespace torvane {

namespace {

TStringList LoadTextOrScrambled(std::u16string_view text_name) {
  TStringList list;
  if (FileSizeOf(text_name) >= 0) {
    list.LoadFromFile(text_name);
  } else {
    list.LoadFromBytes(RestoreScrambledBytes(ReadFileBytes(ScrambledCopyName(text_name))));
  }
  return list;
}

std::vector<std::u16string_view> Split(std::u16string_view text, char16_t separator) {
  std::vector<std::u16string_view> parts;
  size_t start = 0;
  while (true) {
    const size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at == std::u16string_view::npos ? at : at - start));
    if (at == std::u16string_view::npos) return parts;
    start = at + 1;
  }
}

// The first line of a sysfs attribute, such as "0x8086".
std::string ReadAttribute(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string value;
  std::getline(in, value);
  return value;
}

// Upper-case hex digits without "0x", cut or padded on the left to the width.
std::u16string Hex(std::string value, size_t width) {
  if (value.rfind("0x", 0) == 0) value.erase(0, 2);
  std::u16string out = UpperCase(FromUtf8(value));
  if (out.size() > width) out.erase(0, out.size() - width);
  if (out.size() < width) out.insert(0, width - out.size(), u'0');
  return out;
}

}  // namespace

CatalogueReader CatalogueReader::LoadFromWorkingDirectory() {
  return CatalogueReader(LoadTextOrScrambled(u"IndexList.txt"), LoadTextOrScrambled(u"HwidsList.txt"));
}

CatalogueReader::CatalogueReader(TStringList index_list, TStringList hwids_list)
    : index_list_(std::move(index_list)), hwids_list_(std::move(hwids_list)) {}

std::vector<DriverHit> CatalogueReader::Find(std::u16string_view hwid) const {
  std::vector<DriverHit> hits;
  const int line = index_list_.IndexOfName(UpperCase(hwid));
  if (line < 0) return hits;
  const std::u16string values = index_list_.ValueFromIndex(line);
  for (std::u16string_view value : Split(values, u',')) {
    const auto fields = Split(value, u'@');
    int base = 0, offset = 0;
    if (fields.size() != 3 || !TryStrToInt(fields[1], base) || !TryStrToInt(fields[2], offset) ||
        base < 0 || base + 7 >= hwids_list_.Count()) {
      continue;  // not a line this catalogue can answer
    }
    DriverHit hit;
    hit.day_count = std::u16string(fields[0]);
    hit.inf_path = hwids_list_.Strings(base);
    hit.provider = hwids_list_.Strings(base + 1);
    hit.device_class = hwids_list_.Strings(base + 2);
    hit.version = hwids_list_.Strings(base + 4);
    hit.date = hwids_list_.Strings(base + 5);
    if (offset >= 0 && base + offset < hwids_list_.Count()) {
      hit.hwid_line = hwids_list_.Strings(base + offset);
    }
    hits.push_back(std::move(hit));
  }
  return hits;
}

std::vector<std::u16string> ThisMachineHardwareIds(const std::string& sys_root) {
  namespace fs = std::filesystem;
  std::vector<std::u16string> ids;
  std::error_code error;
  std::vector<fs::path> pci, usb;
  for (const auto& e : fs::directory_iterator(fs::path(sys_root) / "bus/pci/devices", error)) {
    pci.push_back(e.path());
  }
  error.clear();
  for (const auto& e : fs::directory_iterator(fs::path(sys_root) / "bus/usb/devices", error)) {
    usb.push_back(e.path());
  }
  std::sort(pci.begin(), pci.end());
  std::sort(usb.begin(), usb.end());
  for (const fs::path& device : pci) {
    const std::u16string ven = Hex(ReadAttribute(device / "vendor"), 4);
    const std::u16string dev = Hex(ReadAttribute(device / "device"), 4);
    if (ven == u"0000") continue;
    const std::u16string subsys = Hex(ReadAttribute(device / "subsystem_device"), 4) +
                                  Hex(ReadAttribute(device / "subsystem_vendor"), 4);
    const std::u16string rev = Hex(ReadAttribute(device / "revision"), 2);
    const std::u16string cc = Hex(ReadAttribute(device / "class"), 6);
    const std::u16string base = u"PCI\\VEN_" + ven + u"&DEV_" + dev;
    ids.push_back(base + u"&SUBSYS_" + subsys + u"&REV_" + rev);
    ids.push_back(base + u"&SUBSYS_" + subsys);
    ids.push_back(base + u"&REV_" + rev);
    ids.push_back(base);
    ids.push_back(base + u"&CC_" + cc);
    ids.push_back(u"PCI\\CC_" + cc.substr(0, 4));
  }
  for (const fs::path& device : usb) {
    // Interfaces ("1-1:1.0") and hubs' own entries without IDs are skipped.
    if (!fs::exists(device / "idVendor")) continue;
    const std::u16string base = u"USB\\VID_" + Hex(ReadAttribute(device / "idVendor"), 4) +
                                u"&PID_" + Hex(ReadAttribute(device / "idProduct"), 4);
    ids.push_back(base + u"&REV_" + Hex(ReadAttribute(device / "bcdDevice"), 4));
    ids.push_back(base);
  }
  return ids;
}

}  // namespace torvane
