// End-to-end runs of torvane-cli inf-list, drv-list, plan and full-copy over the sample driver
// store (samples/store).
//
// Each run works in a temporary folder holding a copy of the store, with code page 936 as the
// ANSI code page of the child. Every expected text below was worked out by reading the INF files
// of the store; the notes say what each file contributes. Only the MD5 digests are computed
// here, from the bytes of the sample files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_run.h"
#include "foundation/code_page.h"
#include "foundation/md5.h"
#include "support/expected_text.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;

using testing::CliResult;
using testing::ReadFileBytes;
using testing::TempDir;

using testing::CrLf;
using testing::Gbk;

std::vector<std::u16string> SplitLines(std::u16string_view lines) {
  std::vector<std::u16string> result;
  size_t start = 0;
  for (size_t end; (end = lines.find(u'\n', start)) != std::u16string_view::npos; start = end + 1) {
    result.emplace_back(lines.substr(start, end - start));
  }
  return result;
}

// The lines of a file written in code page 936 with CR LF after every line.
std::vector<std::u16string> FileLines(const std::string& bytes) {
  std::u16string text = CodePage::Open(936)->Decode(bytes);
  std::u16string lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
    lines += text[i];
  }
  return SplitLines(lines);
}

std::string Narrow(std::u16string_view ascii) {
  std::string s;
  for (char16_t c : ascii) s += static_cast<char>(c);
  return s;
}

using testing::ScopedEnv;

// The INF files of the store in walk order (names upper-cased, ordinal: "NVACI.INF" before
// "NV_DISPI.INF", "[10.38…]" before "[7.34…]" before "[8.12…]"), with the store folder their
// records hold: Drivers\Files\category\provider\[version], the provider after the map. Each
// sample file already stands in its own store folder, except the one whose scan fails.
struct StoreInf {
  std::u16string_view path;
  std::u16string_view folder;
};

constexpr StoreInf kStore[] = {
    // 0. UTF-16LE; "Advanced Micro Devices, Inc." maps to AMD. Targets 7 x64 (NTamd64.6.0, and
    // the undecorated NTamd64 after 2005) and 8 x64 (NTamd64 after 2010).
    {uR"(Drivers\Files\Display\AMD\[15.201.1151.1008]\c7156326.inf)",
     uR"(Drivers\Files\Display\AMD\[15.201.1151.1008])"},
    // 1. NTamd64.6.1 and NTamd64.6.2: 7 x64, 8 x64.
    {uR"(Drivers\Files\Display\Intel\[10.18.10.4242]\igdlh64.inf)",
     uR"(Drivers\Files\Display\Intel\[10.18.10.4242])"},
    // 2. NTamd64.6.0 (and 10.0, which counts for nothing): 7 x64 only.
    {uR"(Drivers\Files\Display\NVIDIA\[23.21.13.8813]\nvaci.inf)",
     uR"(Drivers\Files\Display\NVIDIA\[23.21.13.8813])"},
    // 3. NTamd64 (2017) and NTamd64.6.1: 7 x64, 8 x64.
    {uR"(Drivers\Files\Display\NVIDIA\[23.21.13.8813]\nv_dispi.inf)",
     uR"(Drivers\Files\Display\NVIDIA\[23.21.13.8813])"},
    // 4. NTx86 and NTamd64 dated 21/03/2014 (day first): 7 x86, 7 x64, 8 x86, 8 x64.
    {uR"(Drivers\Files\HIDClass\Logitech\[1.10.78.0]\lgsfhid.inf)",
     uR"(Drivers\Files\HIDClass\Logitech\[1.10.78.0])"},
    // 5. Class Mouse goes to HIDClass. NTamd64 (2016): 7 x64, 8 x64.
    {uR"(Drivers\Files\HIDClass\Synaptics\[19.0.19.63]\SynPD.inf)",
     uR"(Drivers\Files\HIDClass\Synaptics\[19.0.19.63])"},
    // 6. NTamd64.6.2 only: 8 x64 only.
    {uR"(Drivers\Files\HIDClass\Wacom\[6.3.15.2]\wacvhid.inf)",
     uR"(Drivers\Files\HIDClass\Wacom\[6.3.15.2])"},
    // 7. NTx86 only, dated 2006 (day count 2252): 7 x86 only.
    {uR"(Drivers\Files\MEDIA\Creative\[5.12.1.1245]\ctusbaud.inf)",
     uR"(Drivers\Files\MEDIA\Creative\[5.12.1.1245])"},
    // 8. NTx86 and NTamd64 (2015): 7 x86, 7 x64, 8 x86, 8 x64.
    {uR"(Drivers\Files\MEDIA\Realtek\[6.0.1.7541]\hdxrt.inf)",
     uR"(Drivers\Files\MEDIA\Realtek\[6.0.1.7541])"},
    // 9. NTamd64.6.1 only: 7 x64 only.
    {uR"(Drivers\Files\Net\Intel\[12.4.40.0]\e1c62x64.inf)",
     uR"(Drivers\Files\Net\Intel\[12.4.40.0])"},
    // 10. A provider the map does not know: Other. NTamd64 dated 2028 (day count 10406, a
    // number above 4000): 7 x64, 8 x64.
    {uR"(Drivers\Files\Net\Other\[11.2.628.2028]\kesnet64.inf)",
     uR"(Drivers\Files\Net\Other\[11.2.628.2028])"},
    // 11. NTamd64.6.2 and NTamd64.6.1: 7 x64, 8 x64.
    {uR"(Drivers\Files\Net\Realtek\[10.38.1015.2019]\rt640x64.inf)",
     uR"(Drivers\Files\Net\Realtek\[10.38.1015.2019])"},
    // 12. NTamd64.6.1 only: 7 x64 only.
    {uR"(Drivers\Files\Net\Realtek\[7.34.1016.2010]\rt64win7.inf)",
     uR"(Drivers\Files\Net\Realtek\[7.34.1016.2010])"},
    // 13. NTamd64.6.0 and NTamd64.6.1: 7 x64 only.
    {uR"(Drivers\Files\Net\Realtek\[8.12.321.2013]\rt64win7.inf)",
     uR"(Drivers\Files\Net\Realtek\[8.12.321.2013])"},
    // 14. NTx86 and NTamd64 (2012): 7 x86, 7 x64, 8 x86, 8 x64.
    {uR"(Drivers\Files\Printer\HP\[5.2.1.12004]\hpp1100.inf)",
     uR"(Drivers\Files\Printer\HP\[5.2.1.12004])"},
    // 15. NTamd64 (2015): 7 x64, 8 x64.
    {uR"(Drivers\Files\USB\ASMedia\[1.16.23.0]\asmtxhci.inf)",
     uR"(Drivers\Files\USB\ASMedia\[1.16.23.0])"},
    // 16. Its last section is a model section: the scan fails before the folder is set, so the
    // store folder is empty and there are no targets.
    {uR"(Drivers\Files\USB\Fresco Logic\[3.5.30.0]\flxhcic.inf)", u""},
    // 17. NTamd64.6.1 sections only: 7 x64 only.
    {uR"(Drivers\Files\USB\Renesas\[3.0.23.0]\nusb3xhc.inf)",
     uR"(Drivers\Files\USB\Renesas\[3.0.23.0])"},
};
constexpr int kStoreSize = static_cast<int>(std::size(kStore));

// The digest of a sample file, from its bytes.
std::u16string Digest(int k) {
  std::string native = Narrow(kStore[k].path);
  std::replace(native.begin(), native.end(), '\\', '/');
  const std::string hex =
      MD5Hex(ReadFileBytes(std::string(TORVANE_SOURCE_DIR) + "/samples/store/" + native));
  return std::u16string(hex.begin(), hex.end());
}

// digest=path*folder and the sequence number; the path as walked from the folder text
// tree + "Drivers\Files".
std::u16string InventoryLine(int k, int sequence, std::u16string_view tree = u"") {
  std::u16string line = Digest(k) + u"=" + std::u16string(tree) + std::u16string(kStore[k].path) +
                        u"*" + std::u16string(kStore[k].folder);
  for (char c : std::to_string(sequence)) line += static_cast<char16_t>(c);
  return line;
}

// "2.InfList.txt" of the whole store: one line per file, numbered in walk order.
std::u16string StoreInventory(std::u16string_view tree = u"") {
  std::u16string lines;
  for (int k = 0; k < kStoreSize; ++k) lines += InventoryLine(k, k, tree) + u"\n";
  return lines;
}

// A working folder with a copy of the store in it, as Drivers\Files.
class StoreCopy {
 public:
  StoreCopy() {
    testing::CopySampleStore(dir_);
  }
  const TempDir& dir() const { return dir_; }
  std::string Bytes(std::string_view name) const { return ReadFileBytes(dir_.Join(name)); }
  bool Exists(std::string_view name) const { return fs::exists(dir_.Join(name)); }
  CliResult Run(const std::vector<std::string>& args) const {
    ScopedEnv acp("TORVANE_ACP", "936");
    return testing::RunCli(args, dir_.path());
  }

 private:
  TempDir dir_;
};

// Compares a written file with its expected lines: whole bytes, and line by line so that a
// difference is easy to find.
void ExpectFileLines(const StoreCopy& store, std::string_view name, std::u16string_view lines) {
  SCOPED_TRACE(std::string(name));
  ASSERT_TRUE(store.Exists(name)) << "not written";
  const std::string bytes = store.Bytes(name);
  EXPECT_EQ(bytes, Gbk(lines));
  const std::vector<std::u16string> want = SplitLines(lines), got = FileLines(bytes);
  for (size_t i = 0; i < want.size() && i < got.size(); ++i) {
    EXPECT_EQ(got[i], want[i]) << "line " << i;
  }
  EXPECT_EQ(got.size(), want.size());
}

// ---------------------------------------------------------------------------------------------
// inf-list

TEST(PlanningCliInfList, ListsEveryNonEmptyInfInWalkOrderWithItsStoreFolder) {
  StoreCopy store;
  // An empty INF file walked first of all: it gets no line and takes no number, so the
  // numbers of the sample files stay 0 to 17.
  store.dir().WriteFile("Drivers/Files/Display/AMD/[15.201.1151.1008]/0empty.inf", "");
  const CliResult result = store.Run({"inf-list", "Drivers\\Files"});
  ASSERT_EQ(result.status, 0) << result.err;
  // The failing file (16) has its line too, with an empty store folder: "…flxhcic.inf*16".
  ExpectFileLines(store, "2.InfList.txt", StoreInventory());
}

// ---------------------------------------------------------------------------------------------
// drv-list

struct DrvListCase {
  const char* name;
  const char* root;
  const char* days;
  const char* target;
  std::vector<int> files;  // the store files listed, numbered 0, 1, … in this order
};

void PrintTo(const DrvListCase& c, std::ostream* os) { *os << c.name; }

class PlanningCliDrvList : public ::testing::TestWithParam<DrvListCase> {};

TEST_P(PlanningCliDrvList, ListsTheInfFilesOfRecentPackagesThatServeTheTarget) {
  const DrvListCase& c = GetParam();
  StoreCopy store;  // just copied: every folder was created within the last day
  const CliResult result = store.Run({"drv-list", c.root, "--days", c.days, "--target", c.target});
  ASSERT_EQ(result.status, 0) << result.err;
  std::u16string lines;
  for (size_t n = 0; n < c.files.size(); ++n) {
    lines += InventoryLine(c.files[n], static_cast<int>(n)) + u"\n";
  }
  ExpectFileLines(store, "3.DrvList.txt", lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanningCliDrvList,
    ::testing::Values(
        // Of the three Realtek network packages only [10.38…] serves Windows 8 x64.
        DrvListCase{"RealtekWindows8x64", "Drivers\\Files\\Net\\Realtek", "1", "8-x64", {11}},
        // All three serve Windows 7 x64; folders in walk order, numbers without gaps.
        DrvListCase{
            "RealtekWindows7x64", "Drivers\\Files\\Net\\Realtek", "1", "7-x64", {11, 12, 13}},
        // None of them serves Windows 7 x86.
        DrvListCase{"RealtekWindows7x86", "Drivers\\Files\\Net\\Realtek", "1", "7-x86", {}},
        // A cut-off of now: no folder was created after it.
        DrvListCase{"RealtekNoDays", "Drivers\\Files\\Net\\Realtek", "0", "7-x64", {}},
        // One package folder with two INF files: nvaci.inf (7 x64 only) before nv_dispi.inf.
        DrvListCase{"NvidiaWindows7x64", "Drivers\\Files\\Display\\NVIDIA", "1", "7-x64", {2, 3}},
        DrvListCase{"NvidiaWindows8x64", "Drivers\\Files\\Display\\NVIDIA", "1", "8-x64", {3}},
        // The provider folders under Display hold no INF file directly; the INF files one
        // level further down are not listed.
        DrvListCase{"InfFilesOneLevelDown", "Drivers\\Files\\Display", "1", "7-x64", {}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// plan

// Dump blocks of "5.HwidsList.txt": the eight record lines (path, provider, class, catalogue
// file, version, date, day count, model-section ranges), then every hardware-ID line of the
// record, of all its model sections.

// Store file 11: both sections, the 6.2 one first in the file.
constexpr std::u16string_view kBlockRealtek1038 =
    uR"(Drivers\Files\Net\Realtek\[10.38.1015.2019]\rt640x64.inf
Realtek
Net
rt640x64.cat
10.38.1015.2019
2019/10/15
7227
REALTEK.NTAMD64.6.2=0=1,REALTEK.NTAMD64.6.1=2=4
PCI\VEN_10EC&DEV_8168=Realtek PCIe GbE Family Controller
PCI\VEN_10EC&DEV_8136=Realtek PCIe FE Family Controller
PCI\VEN_10EC&DEV_8168=Realtek PCIe GbE Family Controller
PCI\VEN_10EC&DEV_8136=Realtek PCIe FE Family Controller
PCI\VEN_10EC&DEV_8125=Realtek PCIe 2.5GbE Family Controller
)";

// Store file 12.
constexpr std::u16string_view kBlockRealtek734 =
    uR"(Drivers\Files\Net\Realtek\[7.34.1016.2010]\rt64win7.inf
Realtek
Net
rt64win7.cat
7.34.1016.2010
2010/10/16
3941
REALTEK.NTAMD64.6.1=0=1
PCI\VEN_10EC&DEV_8168=Realtek PCIe GBE Family Controller
PCI\VEN_10EC&DEV_8136=Realtek PCIe FE Family Controller
)";

// Store file 6: a driver, but not for Windows 7 x64.
constexpr std::u16string_view kBlockWacom =
    uR"(Drivers\Files\HIDClass\Wacom\[6.3.15.2]\wacvhid.inf
Wacom
HIDClass
wacvhid.cat
6.3.15.2
2013/4/10
4848
WACOM.NTAMD64.6.2=0=1
HID\VID_056A&PID_00E6=Wacom Virtual HID Device
HID\VID_056A&PID_0302&COL01=Wacom Virtual HID Device
)";

// Store file 13: PCI\VEN_10EC&DEV_8161 twice, PCI\VEN_10EC&DEV_8168 in both sections.
constexpr std::u16string_view kBlockRealtek812 =
    uR"(Drivers\Files\Net\Realtek\[8.12.321.2013]\rt64win7.inf
Realtek
Net
rt64win7.cat
8.12.321.2013
2013/3/21
4828
REALTEK.NTAMD64.6.0=0=0,REALTEK.NTAMD64.6.1=1=5
PCI\VEN_10EC&DEV_8168=Realtek PCIe GBE Family Controller
PCI\VEN_10EC&DEV_8161&SUBSYS_816110EC=Realtek PCIe GBE Family Controller #2
PCI\VEN_10EC&DEV_8161=Realtek PCIe GBE Family Controller #2
PCI\VEN_10EC&DEV_8161&SUBSYS_380D17AA=Realtek PCIe GBE Family Controller (Lenovo)
PCI\VEN_10EC&DEV_8161=Realtek PCIe GBE Family Controller (Lenovo)
PCI\VEN_10EC&DEV_8168=Realtek PCIe GBE Family Controller
)";

// Store file 10: the newest driver for its two IDs, by the day count as a number.
constexpr std::u16string_view kBlockKestrel =
    uR"(Drivers\Files\Net\Other\[11.2.628.2028]\kesnet64.inf
Other
Net
kesnet64.cat
11.2.628.2028
2028/6/28
10406
KESTREL.NTAMD64=0=1
PCI\VEN_10EC&DEV_8168=Kestrel Onboard Gigabit Ethernet
PCI\VEN_10EC&DEV_8125=Kestrel Onboard 2.5 Gigabit Ethernet
)";

// Store file 5: four IDs that no other package has.
constexpr std::u16string_view kBlockSynaptics =
    uR"(Drivers\Files\HIDClass\Synaptics\[19.0.19.63]\SynPD.inf
Synaptics
Mouse
SynPD.cat
19.0.19.63
2016/8/20
6076
SYNAPTICS.NTAMD64=0=3
ACPI\SYN1E4E=Synaptics PS/2 Port TouchPad
*SYN1E4E=Synaptics PS/2 Port TouchPad
ACPI\SYN3015=Synaptics SMBus TouchPad
*PNP0F13=Synaptics Pointing Device
)";

struct PlanCase {
  const char* name;
  // "2.InfList.txt": the store inventory, the paths as walked from tree + "Drivers\Files".
  std::u16string_view tree;
  // "3.DrvList.txt": the inventory lines of these store files, with their numbers in
  // "2.InfList.txt" or, when renumbered, numbered 0, 1, … as drv-list numbers them.
  std::vector<int> packages;
  bool renumbered;
  std::u16string_view cut_list;  // "0.CutList.txt"
  const char* root;
  std::u16string_view all_copy;                 // "4.AllCopy.bat"
  std::u16string hwids_list;                    // "5.HwidsList.txt"
  std::u16string_view index_temp;               // the index lines in the order made
  std::vector<std::u16string_view> sorted_ids;  // the IDs of the sorted "6.IndexTemp.txt"
  std::u16string_view index_list;               // "7.IndexList.txt"
  std::u16string_view wim_file;                 // "8.WIMFile.txt"
  std::u16string_view wim_copy;                 // "9.WimCopy.bat"
};

void PrintTo(const PlanCase& c, std::ostream* os) { *os << c.name; }

// Eight packages: the Realtek [10.38…] (base 0), the Intel network driver (cut by
// "Net\Intel"; the blank line and "synpd.inf", which differs from "SynPD.inf" in case, cut
// nothing), the Realtek [7.34…] (base 13), Wacom (base 23, no index lines: not Windows 7 x64),
// the Realtek [8.12…] (base 33), Fresco Logic (not a driver: no dump block, no lines), Kestrel
// (base 47) and Synaptics (base 57).
constexpr std::u16string_view kMainCut = u"\nsynpd.inf\nNet\\Intel\n";
const std::vector<int> kMainPackages = {11, 9, 12, 6, 13, 16, 10, 5};

// HWID=DAYCOUNT@BASE@OFFSET, the offset counting from the record's first ID line; every model
// section of a Windows 7 x64 record is indexed.
constexpr std::u16string_view kMainIndexTemp =
    uR"(PCI\VEN_10EC&DEV_8168=7227@0@0
PCI\VEN_10EC&DEV_8136=7227@0@1
PCI\VEN_10EC&DEV_8168=7227@0@2
PCI\VEN_10EC&DEV_8136=7227@0@3
PCI\VEN_10EC&DEV_8125=7227@0@4
PCI\VEN_10EC&DEV_8168=3941@13@0
PCI\VEN_10EC&DEV_8136=3941@13@1
PCI\VEN_10EC&DEV_8168=4828@33@0
PCI\VEN_10EC&DEV_8161&SUBSYS_816110EC=4828@33@1
PCI\VEN_10EC&DEV_8161=4828@33@2
PCI\VEN_10EC&DEV_8161&SUBSYS_380D17AA=4828@33@3
PCI\VEN_10EC&DEV_8161=4828@33@4
PCI\VEN_10EC&DEV_8168=4828@33@5
PCI\VEN_10EC&DEV_8168=10406@47@0
PCI\VEN_10EC&DEV_8125=10406@47@1
ACPI\SYN1E4E=6076@57@0
*SYN1E4E=6076@57@1
ACPI\SYN3015=6076@57@2
*PNP0F13=6076@57@3
)";

// Punctuation before digits before letters, "&" before "=".
const std::vector<std::u16string_view> kMainSortedIds = {
    u"*PNP0F13",
    u"*SYN1E4E",
    uR"(ACPI\SYN1E4E)",
    uR"(ACPI\SYN3015)",
    uR"(PCI\VEN_10EC&DEV_8125)",
    uR"(PCI\VEN_10EC&DEV_8125)",
    uR"(PCI\VEN_10EC&DEV_8136)",
    uR"(PCI\VEN_10EC&DEV_8136)",
    uR"(PCI\VEN_10EC&DEV_8136)",
    uR"(PCI\VEN_10EC&DEV_8161&SUBSYS_380D17AA)",
    uR"(PCI\VEN_10EC&DEV_8161&SUBSYS_816110EC)",
    uR"(PCI\VEN_10EC&DEV_8161)",
    uR"(PCI\VEN_10EC&DEV_8161)",
    uR"(PCI\VEN_10EC&DEV_8168)",
    uR"(PCI\VEN_10EC&DEV_8168)",
    uR"(PCI\VEN_10EC&DEV_8168)",
    uR"(PCI\VEN_10EC&DEV_8168)",
    uR"(PCI\VEN_10EC&DEV_8168)",
    uR"(PCI\VEN_10EC&DEV_8168)",
};

// Length + 1000 of each grouped line, shortest first; entries newest first by the day count as
// a number (10406 before 7227), equal counts by descending offset.
constexpr std::u16string_view kMainIndexList =
    uR"(1018=*PNP0F13=6076@57@3
1018=*SYN1E4E=6076@57@1
1022=ACPI\SYN1E4E=6076@57@0
1022=ACPI\SYN3015=6076@57@2
1041=PCI\VEN_10EC&DEV_8125=10406@47@1,7227@0@4
1041=PCI\VEN_10EC&DEV_8161=4828@33@4,4828@33@2
1047=PCI\VEN_10EC&DEV_8161&SUBSYS_380D17AA=4828@33@3
1047=PCI\VEN_10EC&DEV_8161&SUBSYS_816110EC=4828@33@1
1049=PCI\VEN_10EC&DEV_8136=7227@0@3,7227@0@1,3941@13@1
1080=PCI\VEN_10EC&DEV_8168=10406@47@0,7227@0@2,7227@0@0,4828@33@5,4828@33@0,3941@13@0
)";

// Pass 1 takes the 8168 line: Kestrel (base 47), which also removes the 8125 line. Pass 2 the
// 8136 line: Realtek [10.38…] (base 0). Pass 3 the 816110EC line: Realtek [8.12…] (base 33),
// which removes the three 8161 lines. Pass 4 an ACPI line: Synaptics (base 57), which removes
// the last four lines at once; the empty catalogue ends the selection. Realtek [7.34…] is
// never taken.
constexpr std::u16string_view kMainWimFile =
    uR"(Drivers\Files\Net\Other\[11.2.628.2028]\kesnet64.inf
Drivers\Files\Net\Realtek\[10.38.1015.2019]\rt640x64.inf
Drivers\Files\Net\Realtek\[8.12.321.2013]\rt64win7.inf
Drivers\Files\HIDClass\Synaptics\[19.0.19.63]\SynPD.inf
)";

// Source folder, then root + "_ALL\" + store folder and inventory number. The cut package is
// copied too; the Fresco Logic folder holds a space, so it is quoted and its final "\" doubled,
// and its empty store folder leaves the number alone.
constexpr std::u16string_view kMainAllCopy =
    uR"(robocopy Drivers\Files\Net\Realtek\[10.38.1015.2019]\ E:\Stage\Drv7x64_ALL\Drivers\Files\Net\Realtek\[10.38.1015.2019]11 /e
robocopy Drivers\Files\Net\Intel\[12.4.40.0]\ E:\Stage\Drv7x64_ALL\Drivers\Files\Net\Intel\[12.4.40.0]9 /e
robocopy Drivers\Files\Net\Realtek\[7.34.1016.2010]\ E:\Stage\Drv7x64_ALL\Drivers\Files\Net\Realtek\[7.34.1016.2010]12 /e
robocopy Drivers\Files\HIDClass\Wacom\[6.3.15.2]\ E:\Stage\Drv7x64_ALL\Drivers\Files\HIDClass\Wacom\[6.3.15.2]6 /e
robocopy Drivers\Files\Net\Realtek\[8.12.321.2013]\ E:\Stage\Drv7x64_ALL\Drivers\Files\Net\Realtek\[8.12.321.2013]13 /e
robocopy "Drivers\Files\USB\Fresco Logic\[3.5.30.0]\\" E:\Stage\Drv7x64_ALL\16 /e
robocopy Drivers\Files\Net\Other\[11.2.628.2028]\ E:\Stage\Drv7x64_ALL\Drivers\Files\Net\Other\[11.2.628.2028]10 /e
robocopy Drivers\Files\HIDClass\Synaptics\[19.0.19.63]\ E:\Stage\Drv7x64_ALL\Drivers\Files\HIDClass\Synaptics\[19.0.19.63]5 /e
)";

constexpr std::u16string_view kMainWimCopy =
    uR"(robocopy Drivers\Files\Net\Other\[11.2.628.2028]\ E:\Stage\Drv7x64_WIM\Drivers\Files\Net\Other\[11.2.628.2028]10 /e
robocopy Drivers\Files\Net\Realtek\[10.38.1015.2019]\ E:\Stage\Drv7x64_WIM\Drivers\Files\Net\Realtek\[10.38.1015.2019]11 /e
robocopy Drivers\Files\Net\Realtek\[8.12.321.2013]\ E:\Stage\Drv7x64_WIM\Drivers\Files\Net\Realtek\[8.12.321.2013]13 /e
robocopy Drivers\Files\HIDClass\Synaptics\[19.0.19.63]\ E:\Stage\Drv7x64_WIM\Drivers\Files\HIDClass\Synaptics\[19.0.19.63]5 /e
)";

// The same plan under the root E:\Drv Stage&Co\100%\Drv7x64: every destination holds a space
// and "&", so it is quoted, and its "%" is doubled.
constexpr std::u16string_view kQuotedAllCopy =
    uR"(robocopy Drivers\Files\Net\Realtek\[10.38.1015.2019]\ "E:\Drv Stage&Co\100%%\Drv7x64_ALL\Drivers\Files\Net\Realtek\[10.38.1015.2019]11" /e
robocopy Drivers\Files\Net\Intel\[12.4.40.0]\ "E:\Drv Stage&Co\100%%\Drv7x64_ALL\Drivers\Files\Net\Intel\[12.4.40.0]9" /e
robocopy Drivers\Files\Net\Realtek\[7.34.1016.2010]\ "E:\Drv Stage&Co\100%%\Drv7x64_ALL\Drivers\Files\Net\Realtek\[7.34.1016.2010]12" /e
robocopy Drivers\Files\HIDClass\Wacom\[6.3.15.2]\ "E:\Drv Stage&Co\100%%\Drv7x64_ALL\Drivers\Files\HIDClass\Wacom\[6.3.15.2]6" /e
robocopy Drivers\Files\Net\Realtek\[8.12.321.2013]\ "E:\Drv Stage&Co\100%%\Drv7x64_ALL\Drivers\Files\Net\Realtek\[8.12.321.2013]13" /e
robocopy "Drivers\Files\USB\Fresco Logic\[3.5.30.0]\\" "E:\Drv Stage&Co\100%%\Drv7x64_ALL\16" /e
robocopy Drivers\Files\Net\Other\[11.2.628.2028]\ "E:\Drv Stage&Co\100%%\Drv7x64_ALL\Drivers\Files\Net\Other\[11.2.628.2028]10" /e
robocopy Drivers\Files\HIDClass\Synaptics\[19.0.19.63]\ "E:\Drv Stage&Co\100%%\Drv7x64_ALL\Drivers\Files\HIDClass\Synaptics\[19.0.19.63]5" /e
)";

constexpr std::u16string_view kQuotedWimCopy =
    uR"(robocopy Drivers\Files\Net\Other\[11.2.628.2028]\ "E:\Drv Stage&Co\100%%\Drv7x64_WIM\Drivers\Files\Net\Other\[11.2.628.2028]10" /e
robocopy Drivers\Files\Net\Realtek\[10.38.1015.2019]\ "E:\Drv Stage&Co\100%%\Drv7x64_WIM\Drivers\Files\Net\Realtek\[10.38.1015.2019]11" /e
robocopy Drivers\Files\Net\Realtek\[8.12.321.2013]\ "E:\Drv Stage&Co\100%%\Drv7x64_WIM\Drivers\Files\Net\Realtek\[8.12.321.2013]13" /e
robocopy Drivers\Files\HIDClass\Synaptics\[19.0.19.63]\ "E:\Drv Stage&Co\100%%\Drv7x64_WIM\Drivers\Files\HIDClass\Synaptics\[19.0.19.63]5" /e
)";

// Realtek [7.34…] (base 0), Realtek [10.38…] (base 10), Kestrel (base 23), no cut list.
constexpr std::u16string_view kLastIndexTemp =
    uR"(PCI\VEN_10EC&DEV_8168=3941@0@0
PCI\VEN_10EC&DEV_8136=3941@0@1
PCI\VEN_10EC&DEV_8168=7227@10@0
PCI\VEN_10EC&DEV_8136=7227@10@1
PCI\VEN_10EC&DEV_8168=7227@10@2
PCI\VEN_10EC&DEV_8136=7227@10@3
PCI\VEN_10EC&DEV_8125=7227@10@4
PCI\VEN_10EC&DEV_8168=10406@23@0
PCI\VEN_10EC&DEV_8125=10406@23@1
)";

const std::vector<std::u16string_view> kLastSortedIds = {
    uR"(PCI\VEN_10EC&DEV_8125)", uR"(PCI\VEN_10EC&DEV_8125)", uR"(PCI\VEN_10EC&DEV_8136)",
    uR"(PCI\VEN_10EC&DEV_8136)", uR"(PCI\VEN_10EC&DEV_8136)", uR"(PCI\VEN_10EC&DEV_8168)",
    uR"(PCI\VEN_10EC&DEV_8168)", uR"(PCI\VEN_10EC&DEV_8168)", uR"(PCI\VEN_10EC&DEV_8168)",
};

constexpr std::u16string_view kLastIndexList =
    uR"(1042=PCI\VEN_10EC&DEV_8125=10406@23@1,7227@10@4
1050=PCI\VEN_10EC&DEV_8136=7227@10@3,7227@10@1,3941@0@1
1061=PCI\VEN_10EC&DEV_8168=10406@23@0,7227@10@2,7227@10@0,3941@0@0
)";

// Pass 1 takes the 8168 line (Kestrel) and removes the 8125 line with it; the one line left,
// 8136, is taken too: Realtek [10.38…].
constexpr std::u16string_view kLastWimFile =
    uR"(Drivers\Files\Net\Other\[11.2.628.2028]\kesnet64.inf
Drivers\Files\Net\Realtek\[10.38.1015.2019]\rt640x64.inf
)";

constexpr std::u16string_view kLastAllCopy =
    uR"(robocopy Drivers\Files\Net\Realtek\[7.34.1016.2010]\ E:\Stage\Drv7x64_ALL\Drivers\Files\Net\Realtek\[7.34.1016.2010]12 /e
robocopy Drivers\Files\Net\Realtek\[10.38.1015.2019]\ E:\Stage\Drv7x64_ALL\Drivers\Files\Net\Realtek\[10.38.1015.2019]11 /e
robocopy Drivers\Files\Net\Other\[11.2.628.2028]\ E:\Stage\Drv7x64_ALL\Drivers\Files\Net\Other\[11.2.628.2028]10 /e
)";

constexpr std::u16string_view kLastWimCopy =
    uR"(robocopy Drivers\Files\Net\Other\[11.2.628.2028]\ E:\Stage\Drv7x64_WIM\Drivers\Files\Net\Other\[11.2.628.2028]10 /e
robocopy Drivers\Files\Net\Realtek\[10.38.1015.2019]\ E:\Stage\Drv7x64_WIM\Drivers\Files\Net\Realtek\[10.38.1015.2019]11 /e
)";

// The package tree inventoried elsewhere (E:\Brisvale\_DrvISO), and "3.DrvList.txt" numbered
// on its own: Realtek [7.34…] 0 (base 0), Realtek [10.38…] 1 (base 10), Kestrel 2. The cut
// list is matched against the package-tree line of the same digest: "[7.34.1016.2010]0"
// stands only in the "3.DrvList.txt" line and cuts nothing; the second text cuts Kestrel.
constexpr std::u16string_view kTreeCut =
    u"[7.34.1016.2010]0\n_DrvISO\\Drivers\\Files\\Net\\Other\n";

constexpr std::u16string_view kTreeIndexTemp =
    uR"(PCI\VEN_10EC&DEV_8168=3941@0@0
PCI\VEN_10EC&DEV_8136=3941@0@1
PCI\VEN_10EC&DEV_8168=7227@10@0
PCI\VEN_10EC&DEV_8136=7227@10@1
PCI\VEN_10EC&DEV_8168=7227@10@2
PCI\VEN_10EC&DEV_8136=7227@10@3
PCI\VEN_10EC&DEV_8125=7227@10@4
)";

const std::vector<std::u16string_view> kTreeSortedIds = {
    uR"(PCI\VEN_10EC&DEV_8125)", uR"(PCI\VEN_10EC&DEV_8136)", uR"(PCI\VEN_10EC&DEV_8136)",
    uR"(PCI\VEN_10EC&DEV_8136)", uR"(PCI\VEN_10EC&DEV_8168)", uR"(PCI\VEN_10EC&DEV_8168)",
    uR"(PCI\VEN_10EC&DEV_8168)",
};

// The 8136 and 8168 lines have the same length and sort by ID. Pass 1 takes the 8168 line:
// Realtek [10.38…], whose token stands in every line.
constexpr std::u16string_view kTreeIndexList =
    uR"(1031=PCI\VEN_10EC&DEV_8125=7227@10@4
1050=PCI\VEN_10EC&DEV_8136=7227@10@3,7227@10@1,3941@0@1
1050=PCI\VEN_10EC&DEV_8168=7227@10@2,7227@10@0,3941@0@0
)";

constexpr std::u16string_view kTreeWimFile =
    uR"(Drivers\Files\Net\Realtek\[10.38.1015.2019]\rt640x64.inf
)";

// The store parts carry the numbers of "3.DrvList.txt"; the cut package is copied too.
constexpr std::u16string_view kTreeAllCopy =
    uR"(robocopy Drivers\Files\Net\Realtek\[7.34.1016.2010]\ E:\Stage\Drv7x64_ALL\Drivers\Files\Net\Realtek\[7.34.1016.2010]0 /e
robocopy Drivers\Files\Net\Realtek\[10.38.1015.2019]\ E:\Stage\Drv7x64_ALL\Drivers\Files\Net\Realtek\[10.38.1015.2019]1 /e
robocopy Drivers\Files\Net\Other\[11.2.628.2028]\ E:\Stage\Drv7x64_ALL\Drivers\Files\Net\Other\[11.2.628.2028]2 /e
)";

constexpr std::u16string_view kTreeWimCopy =
    uR"(robocopy Drivers\Files\Net\Realtek\[10.38.1015.2019]\ E:\Stage\Drv7x64_WIM\Drivers\Files\Net\Realtek\[10.38.1015.2019]1 /e
)";

std::u16string Join(std::initializer_list<std::u16string_view> blocks) {
  std::u16string text;
  for (std::u16string_view b : blocks) text += b;
  return text;
}

class PlanningCliPlan : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PlanningCliPlan, WritesTheCopyScriptsTheCatalogueAndTheSelection) {
  const PlanCase& c = GetParam();
  StoreCopy store;
  store.dir().WriteFile("0.CutList.txt", Gbk(c.cut_list));
  store.dir().WriteFile("2.InfList.txt", Gbk(StoreInventory(c.tree)));
  std::u16string drv_list;
  for (size_t n = 0; n < c.packages.size(); ++n) {
    const int k = c.packages[n];
    drv_list += InventoryLine(k, c.renumbered ? static_cast<int>(n) : k) + u"\n";
  }
  store.dir().WriteFile("3.DrvList.txt", Gbk(drv_list));

  const CliResult result = store.Run({"plan", "--target", "7-x64", "--root", c.root});
  ASSERT_EQ(result.status, 0) << result.err;

  ExpectFileLines(store, "4.AllCopy.bat", c.all_copy);
  ExpectFileLines(store, "5.HwidsList.txt", c.hwids_list);
  ExpectFileLines(store, "7.IndexList.txt", c.index_list);
  ExpectFileLines(store, "8.WIMFile.txt", c.wim_file);
  ExpectFileLines(store, "9.WimCopy.bat", c.wim_copy);

  // "6.IndexTemp.txt" is saved last, sorted: the index lines above, in hardware-ID order.
  // The order of the lines of one ID is not checked here.
  ASSERT_TRUE(store.Exists("6.IndexTemp.txt"));
  const std::vector<std::u16string> sorted = FileLines(store.Bytes("6.IndexTemp.txt"));
  std::vector<std::u16string_view> ids;
  for (const std::u16string& line : sorted) {
    ids.push_back(std::u16string_view(line).substr(0, line.find(u'=')));
  }
  EXPECT_EQ(ids, c.sorted_ids);
  std::vector<std::u16string> got = sorted, want = SplitLines(c.index_temp);
  std::sort(got.begin(), got.end());
  std::sort(want.begin(), want.end());
  EXPECT_EQ(got, want);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanningCliPlan,
    ::testing::Values(
        PlanCase{"CutOverlapAndNonDrivers", u"", kMainPackages, false, kMainCut,
                 "E:\\Stage\\Drv7x64", kMainAllCopy,
                 Join({kBlockRealtek1038, kBlockRealtek734, kBlockWacom, kBlockRealtek812,
                       kBlockKestrel, kBlockSynaptics}),
                 kMainIndexTemp, kMainSortedIds, kMainIndexList, kMainWimFile, kMainWimCopy},
        PlanCase{"RootWithSpaceAmpersandAndPercent", u"", kMainPackages, false, kMainCut,
                 "E:\\Drv Stage&Co\\100%\\Drv7x64", kQuotedAllCopy,
                 Join({kBlockRealtek1038, kBlockRealtek734, kBlockWacom, kBlockRealtek812,
                       kBlockKestrel, kBlockSynaptics}),
                 kMainIndexTemp, kMainSortedIds, kMainIndexList, kMainWimFile, kQuotedWimCopy},
        PlanCase{"LastLineIsTaken",
                 u"",
                 {12, 11, 10},
                 false,
                 u"",
                 "E:\\Stage\\Drv7x64",
                 kLastAllCopy,
                 Join({kBlockRealtek734, kBlockRealtek1038, kBlockKestrel}),
                 kLastIndexTemp,
                 kLastSortedIds,
                 kLastIndexList,
                 kLastWimFile,
                 kLastWimCopy},
        PlanCase{"CutByThePackageTreeLine",
                 u"E:\\Brisvale\\_DrvISO\\",
                 {12, 11, 10},
                 true,
                 kTreeCut,
                 "E:\\Stage\\Drv7x64",
                 kTreeAllCopy,
                 Join({kBlockRealtek734, kBlockRealtek1038}),
                 kTreeIndexTemp,
                 kTreeSortedIds,
                 kTreeIndexList,
                 kTreeWimFile,
                 kTreeWimCopy},
        // Only a package that does not serve Windows 7 x64: an empty catalogue, no selection,
        // and every file written.
        PlanCase{
            "EmptyCatalogue",
            u"",
            {6},
            false,
            u"",
            "E:\\Stage\\Drv7x64",
            uR"(robocopy Drivers\Files\HIDClass\Wacom\[6.3.15.2]\ E:\Stage\Drv7x64_ALL\Drivers\Files\HIDClass\Wacom\[6.3.15.2]6 /e
)",
            std::u16string(kBlockWacom),
            u"",
            {},
            u"",
            u"",
            u""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// full-copy

struct FullCopyCase {
  const char* name;
  const char* target;
  std::u16string_view copy_files;  // "1.CopyFiles.bat"
  std::u16string_view zip_files;   // "2.ZipFiles.bat"
};

void PrintTo(const FullCopyCase& c, std::ostream* os) { *os << c.name; }

// Numbers are positions among all 18 INF files: 6 (Wacom, 8 x64 only), 7 (Creative, 7 x86
// only) and 16 (Fresco Logic, failed) are missing.
constexpr std::u16string_view kCopy7x64 =
    uR"(robocopy Drivers\Files\Display\AMD\[15.201.1151.1008]\ OUT\x\Drivers\Files\Display\AMD\[15.201.1151.1008]0 /e
robocopy Drivers\Files\Display\Intel\[10.18.10.4242]\ OUT\x\Drivers\Files\Display\Intel\[10.18.10.4242]1 /e
robocopy Drivers\Files\Display\NVIDIA\[23.21.13.8813]\ OUT\x\Drivers\Files\Display\NVIDIA\[23.21.13.8813]2 /e
robocopy Drivers\Files\Display\NVIDIA\[23.21.13.8813]\ OUT\x\Drivers\Files\Display\NVIDIA\[23.21.13.8813]3 /e
robocopy Drivers\Files\HIDClass\Logitech\[1.10.78.0]\ OUT\x\Drivers\Files\HIDClass\Logitech\[1.10.78.0]4 /e
robocopy Drivers\Files\HIDClass\Synaptics\[19.0.19.63]\ OUT\x\Drivers\Files\HIDClass\Synaptics\[19.0.19.63]5 /e
robocopy Drivers\Files\MEDIA\Realtek\[6.0.1.7541]\ OUT\x\Drivers\Files\MEDIA\Realtek\[6.0.1.7541]8 /e
robocopy Drivers\Files\Net\Intel\[12.4.40.0]\ OUT\x\Drivers\Files\Net\Intel\[12.4.40.0]9 /e
robocopy Drivers\Files\Net\Other\[11.2.628.2028]\ OUT\x\Drivers\Files\Net\Other\[11.2.628.2028]10 /e
robocopy Drivers\Files\Net\Realtek\[10.38.1015.2019]\ OUT\x\Drivers\Files\Net\Realtek\[10.38.1015.2019]11 /e
robocopy Drivers\Files\Net\Realtek\[7.34.1016.2010]\ OUT\x\Drivers\Files\Net\Realtek\[7.34.1016.2010]12 /e
robocopy Drivers\Files\Net\Realtek\[8.12.321.2013]\ OUT\x\Drivers\Files\Net\Realtek\[8.12.321.2013]13 /e
robocopy Drivers\Files\Printer\HP\[5.2.1.12004]\ OUT\x\Drivers\Files\Printer\HP\[5.2.1.12004]14 /e
robocopy Drivers\Files\USB\ASMedia\[1.16.23.0]\ OUT\x\Drivers\Files\USB\ASMedia\[1.16.23.0]15 /e
robocopy Drivers\Files\USB\Renesas\[3.0.23.0]\ OUT\x\Drivers\Files\USB\Renesas\[3.0.23.0]17 /e
)";

// Each line ends in one space.
constexpr std::u16string_view kZip7x64 =
    uR"(7z a OUT\x\Drivers\Files\Display\AMD\[15.201.1151.1008]0.7z Drivers\Files\Display\AMD\[15.201.1151.1008]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\Display\Intel\[10.18.10.4242]1.7z Drivers\Files\Display\Intel\[10.18.10.4242]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\Display\NVIDIA\[23.21.13.8813]2.7z Drivers\Files\Display\NVIDIA\[23.21.13.8813]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\Display\NVIDIA\[23.21.13.8813]3.7z Drivers\Files\Display\NVIDIA\[23.21.13.8813]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\HIDClass\Logitech\[1.10.78.0]4.7z Drivers\Files\HIDClass\Logitech\[1.10.78.0]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\HIDClass\Synaptics\[19.0.19.63]5.7z Drivers\Files\HIDClass\Synaptics\[19.0.19.63]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\MEDIA\Realtek\[6.0.1.7541]8.7z Drivers\Files\MEDIA\Realtek\[6.0.1.7541]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\Net\Intel\[12.4.40.0]9.7z Drivers\Files\Net\Intel\[12.4.40.0]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\Net\Other\[11.2.628.2028]10.7z Drivers\Files\Net\Other\[11.2.628.2028]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\Net\Realtek\[10.38.1015.2019]11.7z Drivers\Files\Net\Realtek\[10.38.1015.2019]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\Net\Realtek\[7.34.1016.2010]12.7z Drivers\Files\Net\Realtek\[7.34.1016.2010]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\Net\Realtek\[8.12.321.2013]13.7z Drivers\Files\Net\Realtek\[8.12.321.2013]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\Printer\HP\[5.2.1.12004]14.7z Drivers\Files\Printer\HP\[5.2.1.12004]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\USB\ASMedia\[1.16.23.0]15.7z Drivers\Files\USB\ASMedia\[1.16.23.0]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\USB\Renesas\[3.0.23.0]17.7z Drivers\Files\USB\Renesas\[3.0.23.0]\*.* -r -mx9 
)";

// The four drivers with an x86 model section dated after June 2005.
constexpr std::u16string_view kCopy7x86 =
    uR"(robocopy Drivers\Files\HIDClass\Logitech\[1.10.78.0]\ OUT\x\Drivers\Files\HIDClass\Logitech\[1.10.78.0]4 /e
robocopy Drivers\Files\MEDIA\Creative\[5.12.1.1245]\ OUT\x\Drivers\Files\MEDIA\Creative\[5.12.1.1245]7 /e
robocopy Drivers\Files\MEDIA\Realtek\[6.0.1.7541]\ OUT\x\Drivers\Files\MEDIA\Realtek\[6.0.1.7541]8 /e
robocopy Drivers\Files\Printer\HP\[5.2.1.12004]\ OUT\x\Drivers\Files\Printer\HP\[5.2.1.12004]14 /e
)";

constexpr std::u16string_view kZip7x86 =
    uR"(7z a OUT\x\Drivers\Files\HIDClass\Logitech\[1.10.78.0]4.7z Drivers\Files\HIDClass\Logitech\[1.10.78.0]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\MEDIA\Creative\[5.12.1.1245]7.7z Drivers\Files\MEDIA\Creative\[5.12.1.1245]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\MEDIA\Realtek\[6.0.1.7541]8.7z Drivers\Files\MEDIA\Realtek\[6.0.1.7541]\*.* -r -mx9 
7z a OUT\x\Drivers\Files\Printer\HP\[5.2.1.12004]14.7z Drivers\Files\Printer\HP\[5.2.1.12004]\*.* -r -mx9 
)";

class PlanningCliFullCopy : public ::testing::TestWithParam<FullCopyCase> {};

TEST_P(PlanningCliFullCopy, WritesOneCopyAndOneArchiveLinePerDriverOfTheTarget) {
  const FullCopyCase& c = GetParam();
  StoreCopy store;
  const CliResult result =
      store.Run({"full-copy", "Drivers\\Files", "OUT\\x", "--target", c.target});
  ASSERT_EQ(result.status, 0) << result.err;
  ExpectFileLines(store, "1.CopyFiles.bat", c.copy_files);
  ExpectFileLines(store, "2.ZipFiles.bat", c.zip_files);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanningCliFullCopy,
    ::testing::Values(FullCopyCase{"Windows7x64", "7-x64", kCopy7x64, kZip7x64},
                      FullCopyCase{"Windows7x86", "7-x86", kCopy7x86, kZip7x86},
                      // No driver of the store is dated before June 2005: empty files.
                      FullCopyCase{"WindowsXPx86", "xp-x86", u"", u""}),
    [](const auto& info) { return std::string(info.param.name); });

struct FullCopyCheck {
  const char* name;
  std::vector<std::string> args;
  const char* message;  // "CAPTION: TEXT" on standard error
};

void PrintTo(const FullCopyCheck& c, std::ostream* os) { *os << c.name; }

class PlanningCliFullCopyCheck : public ::testing::TestWithParam<FullCopyCheck> {};

TEST_P(PlanningCliFullCopyCheck, RefusesWithAMessageAndWritesNothing) {
  const FullCopyCheck& c = GetParam();
  StoreCopy store;
  std::vector<std::string> args = {"full-copy"};
  args.insert(args.end(), c.args.begin(), c.args.end());
  const CliResult result = store.Run(args);
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, std::string(c.message) + "\n");
  EXPECT_FALSE(store.Exists("1.CopyFiles.bat"));
  EXPECT_FALSE(store.Exists("2.ZipFiles.bat"));
}

constexpr const char* kNoFolder = "目录设置: 没有发现设置的驱动程序目录，请重新设置目录！";
constexpr const char* kNoVersion = "版本设置: 没有设置 Windows 的版本，请设置操作系统版本！";

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanningCliFullCopyCheck,
    ::testing::Values(
        FullCopyCheck{
            "MissingSource", {"Drivers\\Missing", "OUT\\x", "--target", "7-x64"}, kNoFolder},
        // A caption that is a number, as the reduced copy leaves it.
        FullCopyCheck{"NumberCaption", {"Drivers\\Files", "OUT\\x", "--caption", "12"}, kNoVersion},
        // The test for "Win" is case-sensitive.
        FullCopyCheck{"LowerCaseCaption",
                      {"Drivers\\Files", "OUT\\x", "--caption", "windows 7 x64"},
                      kNoVersion},
        // The folder is checked first.
        FullCopyCheck{"MissingSourceAndNumberCaption",
                      {"Drivers\\Missing", "OUT\\x", "--caption", "12"},
                      kNoFolder}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane
