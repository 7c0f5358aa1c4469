// End-to-end run of torvane-cli full-index over the sample driver store (samples/store).
//
// The store is copied into a temporary working folder and indexed there with the destination
// text "Drivers\Files". Every expected text below was worked out by reading the INF files of the
// store; the note above each record block says what that file shows.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_run.h"
#include "foundation/code_page.h"
#include "support/expected_text.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;

using testing::ReadFileBytes;
using testing::RunCli;
using testing::TempDir;

using testing::CrLf;
using testing::Gbk;

std::vector<std::u16string> SplitCrLf(std::u16string_view text) {
  std::vector<std::u16string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find(u"\r\n", start)) != std::u16string_view::npos;
       start = end + 2) {
    lines.emplace_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "the last line has no CR LF";
  return lines;
}

// The catalogue, one block per indexed record in walk order: the eight dump lines (path,
// provider after the map, class, catalogue file, version, date, day count, model-section
// ranges), then the hardware-ID lines of the chosen section. Not indexed, so absent:
// HIDClass\Wacom (NTamd64.6.2 only), MEDIA\Creative (NTx86 only) and USB\Fresco Logic (its scan
// fails). The base of each block is the line number of its first line.
const std::u16string_view kHwidsBlocks[] = {
    // base 0. UTF-16LE. NTamd64.6.0 is chosen over the undecorated NTamd64 section: entries 2
    // to 5, not 0 and 1; the empty NTx86 section gives no range. Provider "Advanced Micro
    // Devices, Inc." from the last [Strings] section.
    uR"(Drivers\Files\Display\AMD\[15.201.1151.1008]\c7156326.inf
AMD
Display
C7156326.cat
15.201.1151.1008
2015/7/29
5688
ATI.MFG.NTAMD64=0=1,ATI.MFG.NTAMD64.6.0=2=5
PCI\VEN_1002&DEV_6798=AMD Radeon HD 7900 Series
PCI\VEN_1002&DEV_679A=AMD Radeon HD 7950
PCI\VEN_1002&DEV_6818=AMD Radeon HD 7800 Series
PCI\VEN_1002&DEV_665C=AMD Radeon HD 7790
)",
    // base 12. UTF-16LE whose first line is the [Version] header: the mark is removed, so the
    // version keys are read. NTamd64.6.1 is chosen over NTamd64.6.2.
    uR"(Drivers\Files\Display\Intel\[10.18.10.4242]\igdlh64.inf
Intel
Display
kit58419.cat
10.18.10.4242
2015/6/18
5647
INTELGFX.NTAMD64.6.1=0=2,INTELGFX.NTAMD64.6.2=3=6
PCI\VEN_8086&DEV_0162=Intel(R) HD Graphics 4000
PCI\VEN_8086&DEV_0166=Intel(R) HD Graphics 4000 (Mobile)
PCI\VEN_8086&DEV_0412=Intel(R) HD Graphics 4600
)",
    // base 23. Walked before nv_dispi.inf: "NVACI.INF" < "NV_DISPI.INF" upper-cased, although
    // "nv_" < "nva" as written. NTamd64.6.0 is chosen; NTamd64.10.0 matches nothing.
    uR"(Drivers\Files\Display\NVIDIA\[23.21.13.8813]\nvaci.inf
NVIDIA
Display
NVAC.CAT
23.21.13.8813
2017/10/27
6509
NVIDIA_SETA_DEVICES.NTAMD64.6.0=0=1,NVIDIA_SETA_DEVICES.NTAMD64.10.0=2=3
PCI\VEN_10DE&DEV_1C8C&SUBSYS_11BF1025=NVIDIA GeForce GTX 1050 Ti (Notebook)
PCI\VEN_10DE&DEV_1C8D&SUBSYS_11831025=NVIDIA GeForce GTX 1050 (Notebook)
)",
    // base 33. Both NTamd64 and NTamd64.6.1: the NTamd64.6.1 section (entries 2 to 5) wins.
    // PnpLockdown (11 characters) stands after CatalogFile, so the real catalogue file is kept.
    uR"(Drivers\Files\Display\NVIDIA\[23.21.13.8813]\nv_dispi.inf
NVIDIA
Display
NV_DISP.CAT
23.21.13.8813
2017/10/27
6509
NVIDIA_DEVICES.NTAMD64=0=1,NVIDIA_DEVICES.NTAMD64.6.1=2=5
PCI\VEN_10DE&DEV_1B80=NVIDIA GeForce GTX 1080
PCI\VEN_10DE&DEV_1B81=NVIDIA GeForce GTX 1070
PCI\VEN_10DE&DEV_1C81=NVIDIA GeForce GTX 1050
PCI\VEN_10DE&DEV_1C82=NVIDIA GeForce GTX 1050 Ti
)",
    // base 45. Day-first date 21/03/2014. Only CatalogFile.NTx86 and CatalogFile.NTamd64, which
    // are no catalogue key: the fourth line is empty. NTx86 and NTamd64: NTamd64 is chosen.
    uR"(Drivers\Files\HIDClass\Logitech\[1.10.78.0]\lgsfhid.inf
Logitech
HIDClass

1.10.78.0
2014/3/21
5193
LOGITECH.NTX86=0=1,LOGITECH.NTAMD64=2=4
USB\VID_046D&PID_C52B&MI_02=Logitech Unifying Receiver (HID filter)
USB\VID_046D&PID_C534&MI_01=Logitech Nano Receiver (HID filter)
USB\VID_046D&PID_C08B&MI_01=Logitech G502 Gaming Mouse (HID filter)
)",
    // base 56. UTF-16LE, class Mouse. One model line with two IDs gives two entries.
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
)",
    // base 68. NTx86 and NTamd64; provider "Realtek Semiconductor Corp.".
    uR"(Drivers\Files\MEDIA\Realtek\[6.0.1.7541]\hdxrt.inf
Realtek
MEDIA
hdxrt.cat
6.0.1.7541
2015/10/6
5757
AZALIAMANUFACTURERID.NTX86=0=1,AZALIAMANUFACTURERID.NTAMD64=2=4
HDAUDIO\FUNC_01&VEN_10EC&DEV_0662=Realtek High Definition Audio
HDAUDIO\FUNC_01&VEN_10EC&DEV_0892=Realtek High Definition Audio
HDAUDIO\FUNC_01&VEN_10EC&DEV_0892&SUBSYS_10438445=Realtek High Definition Audio (ASUS)
)",
    // base 79. ANSI with [Strings] and then [Strings.0804] in code page 936. The scan stops at
    // the first install section, so the strings come from the last section, [Strings.0804]:
    // Chinese descriptions, and the provider "英特尔公司" that the map turns into Intel.
    uR"(Drivers\Files\Net\Intel\[12.4.40.0]\e1c62x64.inf
Intel
Net
e1c62x64.cat
12.4.40.0
2012/11/29
4716
INTEL.NTAMD64.6.1=0=2
PCI\VEN_8086&DEV_1502=英特尔(R) 82579LM 千兆网络连接
PCI\VEN_8086&DEV_1502&SUBSYS_00011179=英特尔(R) 82579LM 千兆网络连接
PCI\VEN_8086&DEV_1503=英特尔(R) 82579V 千兆网络连接
)",
    // base 90. A provider the map does not know, and a date after 19 May 2027: five digits.
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
)",
    // base 100. UTF-16LE. The NTamd64.6.1 section stands second in the file: entries 2 to 4.
    // "[10.38…]" is walked before "[7.34…]" and "[8.12…]".
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
PCI\VEN_10EC&DEV_8125=Realtek PCIe 2.5GbE Family Controller
)",
    // base 111.
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
)",
    // base 121. NTamd64.6.0 holds entry 0, NTamd64.6.1 entries 1 to 5 (offsets 8 to 12); the
    // generic ID PCI\VEN_10EC&DEV_8161 stands at offsets 9 and 11.
    uR"(Drivers\Files\Net\Realtek\[8.12.321.2013]\rt64win7.inf
Realtek
Net
rt64win7.cat
8.12.321.2013
2013/3/21
4828
REALTEK.NTAMD64.6.0=0=0,REALTEK.NTAMD64.6.1=1=5
PCI\VEN_10EC&DEV_8161&SUBSYS_816110EC=Realtek PCIe GBE Family Controller #2
PCI\VEN_10EC&DEV_8161=Realtek PCIe GBE Family Controller #2
PCI\VEN_10EC&DEV_8161&SUBSYS_380D17AA=Realtek PCIe GBE Family Controller (Lenovo)
PCI\VEN_10EC&DEV_8161=Realtek PCIe GBE Family Controller (Lenovo)
PCI\VEN_10EC&DEV_8168=Realtek PCIe GBE Family Controller
)",
    // base 134. Descriptions written in double quotes instead of %tokens%; "Hewlett-Packard".
    uR"(Drivers\Files\Printer\HP\[5.2.1.12004]\hpp1100.inf
HP
Printer
hpp1100.cat
5.2.1.12004
2012/2/14
4427
HP.NTX86=0=1,HP.NTAMD64=2=5
USBPRINT\HEWLETT-PACKARDHP_LA4EA1=HP LaserJet Professional P1102
WSDPRINT\HEWLETT-PACKARDHP_LA4EA1=HP LaserJet Professional P1102
USBPRINT\HEWLETT-PACKARDHP_LAA52B=HP LaserJet Professional P1102w
USBPRINT\HEWLETT-PACKARDHP_LA5FB1=HP LaserJet Professional P1106
)",
    // base 146. PnpLockdown=1 (11 characters) stands above CatalogFile and is taken as the
    // catalogue file: the fourth line is "1".
    uR"(Drivers\Files\USB\ASMedia\[1.16.23.0]\asmtxhci.inf
ASMedia
USB
1
1.16.23.0
2015/9/11
5732
ASMEDIA.NTAMD64=0=2
PCI\VEN_1B21&DEV_1042=ASMedia USB 3.0 eXtensible Host Controller
PCI\VEN_1B21&DEV_1142=ASMedia USB 3.0 eXtensible Host Controller
PCI\VEN_1B21&DEV_1242=ASMedia USB 3.1 eXtensible Host Controller
)",
    // base 157. Two manufacturers, each with an NTamd64.6.1 section: the later (NEC) is chosen
    // and the Renesas IDs appear nowhere. Four model names and two sections, so the scan does
    // not stop early and reads the first strings section, [Strings], not [Strings.0804].
    uR"(Drivers\Files\USB\Renesas\[3.0.23.0]\nusb3xhc.inf
Renesas
USB
nusb3xhc.cat
3.0.23.0
2011/9/22
4282
RENESAS.NTAMD64.6.1=0=1,NEC.NTAMD64.6.1=2=2
PCI\VEN_1033&DEV_0194=Renesas USB 3.0 eXtensible Host Controller (uPD720200)
)",
};

// HWID=DAYCOUNT@BASE@OFFSET in the order written, the offset counting from the block's first line.
constexpr std::u16string_view kIndexTemp =
    uR"(PCI\VEN_1002&DEV_6798=5688@0@8
PCI\VEN_1002&DEV_679A=5688@0@9
PCI\VEN_1002&DEV_6818=5688@0@10
PCI\VEN_1002&DEV_665C=5688@0@11
PCI\VEN_8086&DEV_0162=5647@12@8
PCI\VEN_8086&DEV_0166=5647@12@9
PCI\VEN_8086&DEV_0412=5647@12@10
PCI\VEN_10DE&DEV_1C8C&SUBSYS_11BF1025=6509@23@8
PCI\VEN_10DE&DEV_1C8D&SUBSYS_11831025=6509@23@9
PCI\VEN_10DE&DEV_1B80=6509@33@8
PCI\VEN_10DE&DEV_1B81=6509@33@9
PCI\VEN_10DE&DEV_1C81=6509@33@10
PCI\VEN_10DE&DEV_1C82=6509@33@11
USB\VID_046D&PID_C52B&MI_02=5193@45@8
USB\VID_046D&PID_C534&MI_01=5193@45@9
USB\VID_046D&PID_C08B&MI_01=5193@45@10
ACPI\SYN1E4E=6076@56@8
*SYN1E4E=6076@56@9
ACPI\SYN3015=6076@56@10
*PNP0F13=6076@56@11
HDAUDIO\FUNC_01&VEN_10EC&DEV_0662=5757@68@8
HDAUDIO\FUNC_01&VEN_10EC&DEV_0892=5757@68@9
HDAUDIO\FUNC_01&VEN_10EC&DEV_0892&SUBSYS_10438445=5757@68@10
PCI\VEN_8086&DEV_1502=4716@79@8
PCI\VEN_8086&DEV_1502&SUBSYS_00011179=4716@79@9
PCI\VEN_8086&DEV_1503=4716@79@10
PCI\VEN_10EC&DEV_8168=10406@90@8
PCI\VEN_10EC&DEV_8125=10406@90@9
PCI\VEN_10EC&DEV_8168=7227@100@8
PCI\VEN_10EC&DEV_8136=7227@100@9
PCI\VEN_10EC&DEV_8125=7227@100@10
PCI\VEN_10EC&DEV_8168=3941@111@8
PCI\VEN_10EC&DEV_8136=3941@111@9
PCI\VEN_10EC&DEV_8161&SUBSYS_816110EC=4828@121@8
PCI\VEN_10EC&DEV_8161=4828@121@9
PCI\VEN_10EC&DEV_8161&SUBSYS_380D17AA=4828@121@10
PCI\VEN_10EC&DEV_8161=4828@121@11
PCI\VEN_10EC&DEV_8168=4828@121@12
USBPRINT\HEWLETT-PACKARDHP_LA4EA1=4427@134@8
WSDPRINT\HEWLETT-PACKARDHP_LA4EA1=4427@134@9
USBPRINT\HEWLETT-PACKARDHP_LAA52B=4427@134@10
USBPRINT\HEWLETT-PACKARDHP_LA5FB1=4427@134@11
PCI\VEN_1B21&DEV_1042=5732@146@8
PCI\VEN_1B21&DEV_1142=5732@146@9
PCI\VEN_1B21&DEV_1242=5732@146@10
PCI\VEN_1033&DEV_0194=4282@157@8
)";

// One line per hardware ID, ascending: punctuation before digits before letters ("*" first,
// "&" before "=", "USB\" before "USBPRINT\"), the hyphen ignored. The values stand newest
// first by the day count as a number: 10406 (2028) before 7227, although "10406" < "7227" as
// text. Equal counts stay in descending text order: "@121@9" before "@121@11".
constexpr std::u16string_view kIndexList =
    uR"(*PNP0F13=6076@56@11
*SYN1E4E=6076@56@9
ACPI\SYN1E4E=6076@56@8
ACPI\SYN3015=6076@56@10
HDAUDIO\FUNC_01&VEN_10EC&DEV_0662=5757@68@8
HDAUDIO\FUNC_01&VEN_10EC&DEV_0892&SUBSYS_10438445=5757@68@10
HDAUDIO\FUNC_01&VEN_10EC&DEV_0892=5757@68@9
PCI\VEN_1002&DEV_665C=5688@0@11
PCI\VEN_1002&DEV_6798=5688@0@8
PCI\VEN_1002&DEV_679A=5688@0@9
PCI\VEN_1002&DEV_6818=5688@0@10
PCI\VEN_1033&DEV_0194=4282@157@8
PCI\VEN_10DE&DEV_1B80=6509@33@8
PCI\VEN_10DE&DEV_1B81=6509@33@9
PCI\VEN_10DE&DEV_1C81=6509@33@10
PCI\VEN_10DE&DEV_1C82=6509@33@11
PCI\VEN_10DE&DEV_1C8C&SUBSYS_11BF1025=6509@23@8
PCI\VEN_10DE&DEV_1C8D&SUBSYS_11831025=6509@23@9
PCI\VEN_10EC&DEV_8125=10406@90@9,7227@100@10
PCI\VEN_10EC&DEV_8136=7227@100@9,3941@111@9
PCI\VEN_10EC&DEV_8161&SUBSYS_380D17AA=4828@121@10
PCI\VEN_10EC&DEV_8161&SUBSYS_816110EC=4828@121@8
PCI\VEN_10EC&DEV_8161=4828@121@9,4828@121@11
PCI\VEN_10EC&DEV_8168=10406@90@8,7227@100@8,4828@121@12,3941@111@8
PCI\VEN_1B21&DEV_1042=5732@146@8
PCI\VEN_1B21&DEV_1142=5732@146@9
PCI\VEN_1B21&DEV_1242=5732@146@10
PCI\VEN_8086&DEV_0162=5647@12@8
PCI\VEN_8086&DEV_0166=5647@12@9
PCI\VEN_8086&DEV_0412=5647@12@10
PCI\VEN_8086&DEV_1502&SUBSYS_00011179=4716@79@9
PCI\VEN_8086&DEV_1502=4716@79@8
PCI\VEN_8086&DEV_1503=4716@79@10
USB\VID_046D&PID_C08B&MI_01=5193@45@10
USB\VID_046D&PID_C52B&MI_02=5193@45@8
USB\VID_046D&PID_C534&MI_01=5193@45@9
USBPRINT\HEWLETT-PACKARDHP_LA4EA1=4427@134@8
USBPRINT\HEWLETT-PACKARDHP_LA5FB1=4427@134@11
USBPRINT\HEWLETT-PACKARDHP_LAA52B=4427@134@10
WSDPRINT\HEWLETT-PACKARDHP_LA4EA1=4427@134@9
)";

// A plain decimal number; SIZE_MAX for anything else.
size_t Number(std::u16string_view digits) {
  if (digits.empty()) return SIZE_MAX;
  size_t n = 0;
  for (char16_t c : digits) {
    if (c < u'0' || c > u'9') return SIZE_MAX;
    n = n * 10 + (c - u'0');
  }
  return n;
}

std::u16string ExpectedHwidsList() {
  std::u16string lines;
  for (std::u16string_view block : kHwidsBlocks) lines += block;
  return lines;
}

using testing::ScopedEnv;

// The zlib stream a ".dis" file was made from: its bytes 0-7 go back to 24-31, 26-31 to 2-7,
// and the two header bytes are put back in front.
std::string RestoreStream(const std::string& dis) {
  std::string z = dis;
  if (z.size() < 32) return z;
  for (int k = 0; k < 8; ++k) z[24 + k] = dis[k];
  for (int k = 0; k < 6; ++k) z[2 + k] = dis[26 + k];
  z[0] = static_cast<char>(0x78);
  z[1] = static_cast<char>(0xDA);
  return z;
}

// The inflated content of a whole zlib stream; nothing when the stream is broken, incomplete or
// followed by more bytes.
std::optional<std::string> Inflate(const std::string& z) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return std::nullopt;
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(z.data()));
  stream.avail_in = static_cast<uInt>(z.size());
  std::string out;
  char buffer[16384];
  int status;
  do {
    stream.next_out = reinterpret_cast<Bytef*>(buffer);
    stream.avail_out = sizeof buffer;
    status = inflate(&stream, Z_NO_FLUSH);
    out.append(buffer, sizeof buffer - stream.avail_out);
  } while (status == Z_OK);
  const bool whole = status == Z_STREAM_END && stream.avail_in == 0;
  inflateEnd(&stream);
  if (!whole) return std::nullopt;
  return out;
}

// One run of full-index over a copy of the sample store, shared by every test below.
class FullIndexCli : public ::testing::Test {
 protected:
  // Runs once for all the suites built on this fixture; the folder goes when the program ends.
  static void SetUpTestSuite() {
    if (dir_) return;
    dir_ = std::make_unique<TempDir>();
    testing::CopySampleStore(*dir_);
    // The expected bytes are those of code page 936, the ANSI code page of the run.
    ScopedEnv acp("TORVANE_ACP", "936");
    result_ = std::make_unique<testing::CliResult>(
        RunCli({"full-index", "Drivers\\Files"}, dir_->path()));
  }

  static std::string Bytes(std::string_view name) { return ReadFileBytes(dir_->Join(name)); }
  static std::vector<std::u16string> Lines(std::string_view name) {
    return SplitCrLf(CodePage::Open(936)->Decode(Bytes(name)));
  }

  static std::unique_ptr<TempDir> dir_;
  static std::unique_ptr<testing::CliResult> result_;
};

std::unique_ptr<TempDir> FullIndexCli::dir_;
std::unique_ptr<testing::CliResult> FullIndexCli::result_;

TEST_F(FullIndexCli, SucceedsAndWritesTheTextFilesAndFiveScrambledCopies) {
  EXPECT_EQ(result_->status, 0) << result_->err;
  std::set<std::string> written;
  for (const auto& entry : fs::directory_iterator(dir_->path())) {
    written.insert(entry.path().filename().string());
  }
  const std::set<std::string> expected = {"Drivers",       "ErrorList.txt", "HwidsList.txt",
                                          "HwidsList.dis", "HwidsTemp.txt", "HwidsTemp.dis",
                                          "IndexList.txt", "IndexList.dis", "IndexTemp.txt",
                                          "IndexTemp.dis", "UsrIDList.txt", "UsrIDList.dis"};
  EXPECT_EQ(written, expected);  // no ErrorList.dis
}

TEST_F(FullIndexCli, ErrorListNamesTheInfWhoseLastSectionIsAModelSection) {
  EXPECT_EQ(Bytes("ErrorList.txt"),
            "Drivers\\Files\\USB\\Fresco Logic\\[3.5.30.0]\\flxhcic.inf\r\n");
}

TEST_F(FullIndexCli, HwidsListHoldsTheDumpBlockAndChosenIdsOfEveryIndexedRecord) {
  const std::string expected = Gbk(ExpectedHwidsList());
  EXPECT_EQ(Bytes("HwidsList.txt"), expected);
  // Line by line as well, so that a difference is easy to find.
  const std::vector<std::u16string> want = SplitCrLf(CrLf(ExpectedHwidsList()));
  const std::vector<std::u16string> got = Lines("HwidsList.txt");
  for (size_t i = 0; i < want.size() && i < got.size(); ++i) {
    EXPECT_EQ(got[i], want[i]) << "line " << i;
  }
  EXPECT_EQ(got.size(), want.size());
}

TEST_F(FullIndexCli, IndexTempHoldsOneLinePerIdInTheOrderWritten) {
  EXPECT_EQ(Bytes("IndexTemp.txt"), Gbk(kIndexTemp));
}

TEST_F(FullIndexCli, IndexListGroupsTheIdsNewestFirst) {
  EXPECT_EQ(Bytes("IndexList.txt"), Gbk(kIndexList));
}

// Independent of the literals above: line BASE of the catalogue is an INF path, line BASE + 6
// its day count, and line BASE + OFFSET the ID's own line.
TEST_F(FullIndexCli, EveryIndexLinePointsAtItsRecordAndItsIdLine) {
  const std::vector<std::u16string> hwids = Lines("HwidsList.txt");
  const std::vector<std::u16string> index = Lines("IndexTemp.txt");
  ASSERT_FALSE(index.empty());
  for (const std::u16string& line : index) {
    const size_t eq = line.find(u'='), at1 = line.find(u'@'), at2 = line.rfind(u'@');
    ASSERT_TRUE(eq != line.npos && at1 != line.npos && eq < at1 && at1 < at2)
        << ::testing::PrintToString(line);
    const std::u16string id = line.substr(0, eq), count = line.substr(eq + 1, at1 - eq - 1);
    const size_t base = Number(line.substr(at1 + 1, at2 - at1 - 1));
    const size_t offset = Number(line.substr(at2 + 1));
    ASSERT_GE(offset, 8u) << ::testing::PrintToString(line);
    ASSERT_LT(base + offset, hwids.size()) << ::testing::PrintToString(line);
    EXPECT_EQ(hwids[base].rfind(u"Drivers\\Files\\", 0), 0u) << base;
    EXPECT_EQ(hwids[base + 6], count) << base;
    EXPECT_EQ(hwids[base + offset].substr(0, id.size() + 1), id + u"=") << base + offset;
  }
}

struct OneLineFile {
  const char* name;
  std::u16string_view line;
};

void PrintTo(const OneLineFile& file, std::ostream* os) { *os << file.name; }

class FullIndexOneLineFile : public FullIndexCli,
                             public ::testing::WithParamInterface<OneLineFile> {};

TEST_P(FullIndexOneLineFile, HoldsItsLineInCodePage936) {
  EXPECT_EQ(Bytes(GetParam().name), Gbk(std::u16string(GetParam().line) + u"\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Files, FullIndexOneLineFile,
    ::testing::Values(OneLineFile{"UsrIDList.txt", u"硬件指纹=驱动文件（强行指定设备的对应驱动）"},
                      OneLineFile{
                          "HwidsTemp.txt",
                          u"驱动文件=需要预装的驱动文件（驱动安装前预先注入另一个驱动进系统）"}),
    [](const auto& info) { return fs::path(info.param.name).stem().string(); });

class FullIndexScrambledCopy : public FullIndexCli,
                               public ::testing::WithParamInterface<const char*> {};

TEST_P(FullIndexScrambledCopy, RestoresToItsTextFile) {
  const std::string stem = GetParam();
  const std::string dis = Bytes(stem + ".dis");
  ASSERT_GE(dis.size(), 32u);
  // The two random bytes lie in 0 to 254.
  EXPECT_NE(static_cast<unsigned char>(dis[24]), 0xFF);
  EXPECT_NE(static_cast<unsigned char>(dis[25]), 0xFF);
  const std::optional<std::string> content = Inflate(RestoreStream(dis));
  ASSERT_TRUE(content.has_value()) << "not a zlib stream once restored";
  EXPECT_EQ(*content, Bytes(stem + ".txt"));
}

INSTANTIATE_TEST_SUITE_P(Files, FullIndexScrambledCopy,
                         ::testing::Values("HwidsList", "IndexList", "IndexTemp", "UsrIDList",
                                           "HwidsTemp"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace torvane
