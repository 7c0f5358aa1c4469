// End-to-end runs of torvane-cli inspect.
#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "support/temp_dir.h"

namespace torvane {
namespace {

using testing::RunCli;

constexpr std::string_view kDriver =
    "[Version]\r\nClass=Net\r\nProvider=%Mfg%\r\nDriverVer=05/06/2010,12.1.0.3\r\n"
    "[Manufacturer]\r\n%Mfg%=Intel,NTamd64\r\n[Intel.NTamd64]\r\n%Nic%=Inst,PCI\\VEN_8086&DEV_10D3\r\n"
    "[Strings]\r\nMfg=\"Intel Corporation\"\r\nNic=\"Intel \\\"Gigabit\\\" NIC\"\r\n";

TEST(CliInspect, PrintsTheRecordWithTheShippedMap) {
  testing::TempDir dir;
  dir.WriteFile("e1000.inf", kDriver);
  const auto r = RunCli({"inspect", "e1000.inf"}, dir.path());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("provider:     Intel\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("directory:    Drivers\\Files\\Net\\Intel\\[12.1.0.3]\n"), std::string::npos);
  EXPECT_NE(r.out.find("targets:      Windows 7 x64\n"), std::string::npos);
}

TEST(CliInspect, JsonHoldsEveryFileAndEscapesQuotes) {
  testing::TempDir dir;
  dir.WriteFile("a.inf", kDriver);
  dir.WriteFile("empty.inf", "");
  const auto r = RunCli({"inspect", "--json", "a.inf", "empty.inf"}, dir.path());
  EXPECT_EQ(r.status, 1);  // the empty file fails its scan
  EXPECT_EQ(r.out.front(), '[');
  EXPECT_NE(r.out.find("\"hardwareIds\": [\"PCI\\\\VEN_8086&DEV_10D3=Intel \\\\\\\"Gigabit"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\"file\": \"empty.inf\", \"scanFailed\": true"), std::string::npos);
}

TEST(CliInspect, AMissingFileIsNamedOnStandardError) {
  testing::TempDir dir;
  const auto r = RunCli({"inspect", "none.inf"}, dir.path());
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Cannot open file \"" + dir.path() + "/none.inf\""), std::string::npos) << r.err;
}

}  // namespace
}  // namespace torvane
