// Tests of reading a catalogue back and of this machine's hardware IDs.
#include "commands/lookup_command.h"

#include <gtest/gtest.h>

#include "commands/index_commands.h"
#include "support/recording_ui.h"
#include "support/temp_dir.h"
#include "support/working_dir.h"

namespace torvane {
namespace {

using Items = std::vector<std::u16string>;

std::string Driver(const std::string& date, const std::string& version) {
  return "[Version]\r\nClass=Net\r\nProvider=Contoso\r\nDriverVer=" + date + "," + version +
         "\r\n[Manufacturer]\r\n%M%=M,NTamd64\r\n[M.NTamd64]\r\n%D%=I,PCI\\VEN_1&DEV_2\r\n"
         "[Strings]\r\nD=\"NIC\"\r\n";
}

TEST(CatalogueReader, FindsTheDriversOfAnIdNewestFirstFromTextOrCopies) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.WriteFile("Store/a/x.inf", Driver("05/06/2010", "1.0"));
  dir.WriteFile("Store/b/x.inf", Driver("06/01/2030", "3.0"));
  dir.WriteFile("Store/c/x.inf", Driver("07/26/2012", "2.0"));
  testing::RecordingUi ui;
  FullIndexCommand(u"Store", CreateSharedState(), ui);

  for (bool from_copies : {false, true}) {
    if (from_copies) {
      std::remove(dir.Join("IndexList.txt").c_str());
      std::remove(dir.Join("HwidsList.txt").c_str());
    }
    const CatalogueReader catalogue = CatalogueReader::LoadFromWorkingDirectory();
    const auto hits = catalogue.Find(u"pci\\ven_1&dev_2");
    Items versions, paths;
    for (const auto& hit : hits) {
      versions.push_back(hit.version);
      paths.push_back(hit.inf_path);
      EXPECT_EQ(hit.hwid_line, u"PCI\\VEN_1&DEV_2=NIC");
    }
    EXPECT_EQ(versions, (Items{u"3.0", u"2.0", u"1.0"})) << from_copies;
    EXPECT_EQ(paths[0], u"Drivers\\Files\\b\\x.inf");
    EXPECT_TRUE(catalogue.Find(u"PCI\\VEN_9").empty());
  }
}

TEST(MachineIds, PciAndUsbDevicesGiveTheFormsWindowsMatches) {
  testing::TempDir sys;
  const std::string pci = "bus/pci/devices/0000:00:1f.6/";
  sys.WriteFile(pci + "vendor", "0x8086\n");
  sys.WriteFile(pci + "device", "0x15bb\n");
  sys.WriteFile(pci + "subsystem_vendor", "0x17aa\n");
  sys.WriteFile(pci + "subsystem_device", "0x2292\n");
  sys.WriteFile(pci + "revision", "0x10\n");
  sys.WriteFile(pci + "class", "0x020000\n");
  const std::string usb = "bus/usb/devices/1-1/";
  sys.WriteFile(usb + "idVendor", "046d\n");
  sys.WriteFile(usb + "idProduct", "c52b\n");
  sys.WriteFile(usb + "bcdDevice", "1211\n");
  sys.WriteFile("bus/usb/devices/1-1:1.0/bInterfaceNumber", "00\n");
  EXPECT_EQ(ThisMachineHardwareIds(sys.path()),
            (Items{u"PCI\\VEN_8086&DEV_15BB&SUBSYS_229217AA&REV_10",
                   u"PCI\\VEN_8086&DEV_15BB&SUBSYS_229217AA", u"PCI\\VEN_8086&DEV_15BB&REV_10",
                   u"PCI\\VEN_8086&DEV_15BB", u"PCI\\VEN_8086&DEV_15BB&CC_020000", u"PCI\\CC_0200",
                   u"USB\\VID_046D&PID_C52B&REV_1211", u"USB\\VID_046D&PID_C52B"}));
  EXPECT_TRUE(ThisMachineHardwareIds(sys.Join("none")).empty());
}

}  // namespace
}  // namespace torvane
