// Tests of the section scan on small inline INF texts, one rule each.
#include <gtest/gtest.h>

#include "foundation/text.h"
#include "inf/inf_file.h"

namespace torvane {
namespace {

using Items = std::vector<std::u16string>;

TStringList TestMap() {
  TStringList map;
  map.Add(u"Intel Corporation=Intel");
  map.Add(u"Contoso=Contoso");
  return map;
}

struct Scanned {
  explicit Scanned(std::string_view text, std::u16string name = u"t.inf")
      : inf(name, std::string(text)) {
    inf.LoadValues(TestMap(), errors);
  }
  bool Failed() const { return errors.Count() > 0; }
  TInfFile inf;
  TStringList errors;
};

constexpr std::string_view kVersion =
    "[Version]\r\nSignature=\"$Windows NT$\"\r\nClass=Net\r\nClassGuid={4d36e972}\r\n"
    "Provider=%Mfg%\r\nDriverVer=05/06/2010,12.1.0.3\r\nCatalogFile=net.cat\r\n";

TEST(InfScan, VersionKeysAreToldApartByNameLength) {
  const Scanned s(std::string(kVersion) +
                  "[Manufacturer]\r\n%Mfg%=Models\r\n[Models]\r\n%Dev%=Inst,PCI\\VEN_1\r\n"
                  "[Strings]\r\nMfg=\"Intel Corporation\"\r\nDev=\"Intel NIC\"\r\n");
  ASSERT_FALSE(s.Failed());
  EXPECT_EQ(s.inf.FDeviceClass, u"Net");
  EXPECT_EQ(s.inf.FProvider, u"Intel");
  EXPECT_EQ(s.inf.FCatalogFile, u"net.cat");
  EXPECT_EQ(s.inf.FVersion, u"12.1.0.3");
  EXPECT_EQ(s.inf.FDirectory, u"Drivers\\Files\\Net\\Intel\\[12.1.0.3]");
  EXPECT_EQ(s.inf.FHwids.ToVector(), Items{u"PCI\\VEN_1=Intel NIC"});
}

TEST(InfScan, AnyElevenCharacterKeyIsACatalogueAndTheFirstWins) {
  const Scanned s(
      "[Version]\r\nDriverPack1=first.cat\r\nCatalogFile=real.cat\r\nCLASS = \"Media\" ; c\r\n"
      "SomeDater=1/2/2010\r\nDriverVer=05/06/2010\r\nCatalogFile.NTamd64=\r\n[End]\r\nx\r\n");
  EXPECT_EQ(s.inf.FCatalogFile, u"first.cat");
  EXPECT_EQ(s.inf.FDeviceClass, u"Media");
  EXPECT_EQ(s.inf.FDate, u"2010/1/2");  // "SomeDater": nine characters ending in r
}

TEST(InfScan, SectionNamesIgnoreAsciiCaseButNotSpaces) {
  const Scanned upper("[VERSION]\r\nClass=Net\r\nDriverVer=05/06/2010\r\n[x]\r\ny\r\n");
  EXPECT_EQ(upper.inf.FDeviceClass, u"Net");
  const Scanned spaced("[ Version]\r\nClass=Net\r\nDriverVer=05/06/2010\r\n[x]\r\ny\r\n", u"/nonexistent/t.inf");
  EXPECT_EQ(spaced.inf.FDeviceClass, u"");
  EXPECT_TRUE(spaced.Failed());  // no DriverVer was read and the file has no date
}

constexpr std::string_view kTwoModels =
    "[Version]\r\nProvider=%Mfg%\r\nDriverVer=05/06/2010\r\n"
    "[Manufacturer]\r\n%Mfg%=Models,NTx86,NTamd64\r\n"
    "[Models.NTx86]\r\n%A%=I,pci\\ven_1\r\n%B%=I,PCI\\VEN_2,PCI\\CC_02\r\n"
    "[Models.NTamd64]\r\n; comment\r\n\r\n%A%=I,PCI\\VEN_1\r\n%B%=I,PCI\\VEN_2\r\n"
    "[Install]\r\nCopyFiles=x\r\n"
    "[Strings]\r\nA=\"Adapter A\"\r\nB=Adapter B\r\nMfg=Contoso\r\n";

TEST(InfScan, ModelSectionsGiveUpperCaseRangesAndStopTheScan) {
  const Scanned s(kTwoModels);
  ASSERT_FALSE(s.Failed());
  EXPECT_EQ(s.inf.FManufacturer.ToVector(), (Items{u"MODELS.NTX86=0=2", u"MODELS.NTAMD64=3=4"}));
  EXPECT_EQ(s.inf.FHwids.ToVector(),
            (Items{u"PCI\\VEN_1=Adapter A", u"PCI\\VEN_2=Adapter B", u"PCI\\CC_02=Adapter B",
                   u"PCI\\VEN_1=Adapter A", u"PCI\\VEN_2=Adapter B"}));
  EXPECT_TRUE(s.inf.FIsDriver);
  EXPECT_EQ(s.inf.FProvider, u"Contoso");  // the strings came from the bottom-up fallback
  TStringList dump;
  s.inf.DumpInfList(dump);
  EXPECT_EQ(dump.ToVector(), (Items{u"t.inf", u"Contoso", u"", u"", u"", u"2010/5/6", u"3778",
                                    u"MODELS.NTX86=0=2,MODELS.NTAMD64=3=4"}));
}

TEST(InfScan, AModelSectionWithoutIdsCountsButAddsNoRange) {
  const Scanned s(
      "[Version]\r\nDriverVer=05/06/2010\r\n[Manufacturer]\r\n%M%=Models,NTamd64\r\n"
      "[Models]\r\n; nothing here\r\n[Models.NTamd64]\r\n%A%=I,USB\\VID_1\r\n[Other]\r\nz\r\n");
  EXPECT_EQ(s.inf.FManufacturer.ToVector(), Items{u"MODELS.NTAMD64=0=0"});
}

TEST(InfScan, AModelSectionAboveTheManufacturerIsOrdinary) {
  const Scanned s(
      "[Version]\r\nDriverVer=05/06/2010\r\n[Models]\r\n%A%=I,PCI\\VEN_9\r\n"
      "[Manufacturer]\r\n%M%=Models\r\n[Strings]\r\nM=x\r\n");
  EXPECT_FALSE(s.Failed());
  EXPECT_FALSE(s.inf.FIsDriver);
  TStringList dump;
  s.inf.DumpInfList(dump);
  EXPECT_EQ(dump.Count(), 0);
}

TEST(InfScan, FilesThatFailLandOnTheErrorListOnce) {
  const std::string_view failing[] = {
      "",
      "[Version]",
      "[Version]\r\nDriverVer=05/06/2010\r\n[Manufacturer]\r\n%M%=Models\r\n[Models]\r\n%A%=I,PCI\\VEN_1\r\n",
      "[Version]\r\nDriverVer=05/06/2010\r\n[Manufacturer]\r\n%M%=   ; no model\r\n[Models]\r\nx\r\n",
      "[Version]\r\nClass=Net\r\nDriverVer=05/06/2010\r\n",
  };
  for (std::string_view text : failing) {
    const Scanned s(text, u"bad.inf");
    EXPECT_EQ(s.errors.ToVector(), Items{u"bad.inf"}) << text;
    EXPECT_FALSE(s.inf.FIsDriver) << text;
    EXPECT_TRUE(s.inf.FManufacturer.Count() == 0 && s.inf.FHwids.Count() == 0) << text;
  }
  const Scanned ends_with_strings(
      "[Version]\r\nDriverVer=05/06/2010\r\n[Manufacturer]\r\n%M%=Models\r\n[Models]\r\n"
      "%A%=I,PCI\\VEN_1\r\n[Strings]\r\nA=x\r\n");
  EXPECT_FALSE(ends_with_strings.Failed());
}

TEST(InfScan, TheFirstStringsSectionWithContentIsCollected) {
  const std::string models =
      "[Version]\r\nDriverVer=05/06/2010\r\n[Manufacturer]\r\n%M%=Models\r\n[Models]\r\n%A%=I,PCI\\VEN_1\r\n";
  // Read by the main loop: the scan reaches the strings sections before it can stop.
  const Scanned main_loop(
      "[Version]\r\nDriverVer=05/06/2010\r\n[Strings.0804]\r\nA=Chinese\r\n[Strings]\r\nA=English\r\n"
      "[Manufacturer]\r\n%M%=Models\r\n[Models]\r\n%A%=I,PCI\\VEN_1\r\n[Install]\r\nx\r\n");
  EXPECT_EQ(main_loop.inf.FHwids.ToVector(), Items{u"PCI\\VEN_1=Chinese"});
  // After an early stop the fallback reads from the bottom: the lower section wins.
  const Scanned fallback(models + "[Install]\r\nx\r\n[Strings.0804]\r\nA=Chinese\r\n[Strings]\r\nA=English\r\nA=Lower\r\n");
  EXPECT_EQ(fallback.inf.FHwids.ToVector(), Items{u"PCI\\VEN_1=Lower"});
}

TEST(InfScan, ALonePercentInAValueShiftsThePairing) {
  const Scanned s(
      "[Version]\r\nDriverVer=05/06/2010\r\n[Manufacturer]\r\n%M%=Models\r\n[Models]\r\n"
      "%A%=I,PCI\\VEN_1\r\n%B%=I,PCI\\VEN_2\r\n[Strings]\r\nA=\"100% fast\"\r\nB=Plain\r\n");
  EXPECT_EQ(s.inf.FHwids.ToVector(), Items{u"PCI\\VEN_1=100B%"});
}

TEST(InfScan, DescriptionsKeepTheirCase) {
  const Scanned s(
      "[Version]\r\nDriverVer=05/06/2010\r\n[Manufacturer]\r\nContoso=contoso,ntAMD64\r\n"
      "[contoso.ntAMD64]\r\n%Dev% = Inst, usb\\vid_045e&pid_00cb\r\n[Strings]\r\ndev=\"Mouse Mk II\"\r\n");
  EXPECT_EQ(s.inf.FManufacturer.ToVector(), Items{u"CONTOSO.NTAMD64=0=0"});
  EXPECT_EQ(s.inf.FHwids.ToVector(), Items{u"USB\\VID_045E&PID_00CB=Mouse Mk II"});
  EXPECT_TRUE(s.inf.FDriverVersion.Contains(dvWin7x64));
}

TEST(InfScan, AFailureInTheFinishingStepsKeepsEarlierResults) {
  const std::string models =
      "[Manufacturer]\r\n%M%=Models,NTamd64\r\n[Models.NTamd64]\r\n%A%=I,PCI\\VEN_1\r\n[Strings]\r\nA=x\r\n";
  // No DriverVer and no file to take the date from: fails before the driver flag is set.
  const Scanned no_date("[Version]\r\nClass=Net\r\n" + models, u"/nonexistent/a.inf");
  EXPECT_TRUE(no_date.Failed());
  EXPECT_EQ(no_date.inf.FManufacturer.Count(), 1);
  EXPECT_EQ(no_date.inf.FHwids.ToVector(), Items{u"PCI\\VEN_1=x"});
  EXPECT_FALSE(no_date.inf.FIsDriver);
  // An unreadable DriverVer date fails later, with the version and the flag already set.
  const Scanned bad_date("[Version]\r\nDriverVer=2010.05.06,1.2\r\n" + models, u"/nonexistent/b.inf");
  EXPECT_TRUE(bad_date.Failed());
  EXPECT_TRUE(bad_date.inf.FIsDriver);
  EXPECT_EQ(bad_date.inf.FVersion, u"1.2");
  EXPECT_EQ(bad_date.inf.FDate, u"");
  EXPECT_EQ(bad_date.inf.FProvider, u"");
}

}  // namespace
}  // namespace torvane
