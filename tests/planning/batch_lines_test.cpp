// Tests of the script lines: the documented examples, and folder names that must not turn into
// other commands.
#include "planning/batch_lines.h"

#include <gtest/gtest.h>

#include "foundation/text.h"

namespace torvane {
namespace {

TEST(BatchLines, DocumentedExamplesStandAsWritten) {
  const std::u16string dest = u"E:\\Drv7x64_ALL\\Drivers\\Files";
  const std::u16string dir = u"Drivers\\Files\\Net\\Realtek\\[7.2]";
  const struct {
    std::u16string line, expected;
  } cases[] = {
      {PlannerCopyLine(u"E:\\Brisvale\\Win8x64\\pkg1\\sub\\net.inf", u"E:\\Brisvale\\Drv7x64", u"_ALL\\",
                       u"Drivers\\Files\\Net\\Realtek\\[7.2]7"),
       u"robocopy E:\\Brisvale\\Win8x64\\pkg1\\sub\\ E:\\Brisvale\\Drv7x64_ALL\\Drivers\\Files\\Net\\Realtek\\[7.2]7 /e"},
      {FullCopyLine(u"E:\\src\\pkg\\lan\\x.inf", dest, dir, 12),
       u"robocopy E:\\src\\pkg\\lan\\ E:\\Drv7x64_ALL\\Drivers\\Files\\Drivers\\Files\\Net\\Realtek\\[7.2]12 /e"},
      {FullZipLine(u"E:\\src\\pkg\\lan\\x.inf", dest, dir, 12),
       u"7z a E:\\Drv7x64_ALL\\Drivers\\Files\\Drivers\\Files\\Net\\Realtek\\[7.2]12.7z E:\\src\\pkg\\lan\\*.* -r -mx9 "},
      {CompressLine(dest + u"\\Net\\Realtek\\[7.2]12", true),
       u"7z a E:\\Drv7x64_ALL\\Drivers\\Files\\Net\\Realtek\\[7.2]12.7z >>>E:\\Drv7x64_ALL\\Drivers\\Files\\Net\\Realtek\\[7.2]12\\*.* -r -mx9"},
      {CompressLine(dest + u"\\Net\\Realtek\\[7.2]12", false),
       u"7z a E:\\Drv7x64_ALL\\Drivers\\Files\\Net\\Realtek\\[7.2]12.7z E:\\Drv7x64_ALL\\Drivers\\Files\\Net\\Realtek\\[7.2]12\\*.* -r -mx9"},
      {ReducedCopyLine(u"D:\\Brisvale\\Drivers\\Files\\Net\\Realtek\\[7.2]\\net.inf"),
       u"robocopy D:\\Brisvale\\Drivers\\Files\\Net\\Realtek\\[7.2]\\ TTTD:\\Brisvale\\Drivers\\Files\\Net\\Realtek\\[7.2]\\ /e"},
      {PlannerCopyLine(u"net.inf", u"R", u"_WIM\\", u"S1"), u"robocopy  R_WIM\\S1 /e"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.line, c.expected);
}

TEST(BatchLines, CaptureParametersFollowTheCaption) {
  EXPECT_EQ(CaptureParameters(u"E:\\Drv7x64_ALL\\Drivers\\Files", u"Windows 7 x64"),
            u" /c imagex.exe /capture E:\\Drv7x64_ALL\\Drivers\\Files E:\\Drv7x64_ALL\\Drivers\\Files.wim "
            u"\"Windows 7 x64 Drivers Pack by Ostrel\" /COMPRESS maximum");
  EXPECT_EQ(CaptureParameters(u"E:\\D", u"Windows 8 x86"),
            u" /c imagex.exe /capture E:\\D E:\\D.wim \"Windows 8 x86 Drivers Pack by Ostrel\" /COMPRESS maximum");
}

TEST(BatchLines, HostileFolderNamesStayOneArgument) {
  const struct {
    std::u16string text, argument;
  } cases[] = {
      {u"E:\\plain\\[1.0]", u"E:\\plain\\[1.0]"},
      {u"E:\\a & del x\\", u"\"E:\\a & del x\\\\\""},
      {u"E:\\50%\\", u"E:\\50%%\\"},
      {u"E:\\%PATH% x", u"\"E:\\%%PATH%% x\""},
      {u"E:\\(x)", u"\"E:\\(x)\""},
      {u"a|b", u"\"a|b\""},
      {u"a<b>c", u"\"a<b>c\""},
      {u"a^b", u"\"a^b\""},
      {u"tab\there", u"\"tab\there\""},
      {u"", u""},
  };
  for (const auto& c : cases) EXPECT_EQ(BatchArgument(c.text), c.argument) << ToUtf8(c.text);
  EXPECT_EQ(ReducedCopyLine(u"D:\\x y\\a.inf"), u"robocopy \"D:\\x y\\\\\" TTT\"D:\\x y\\\\\" /e");
  EXPECT_EQ(CompressLine(u"E:\\F (1)", true), u"7z a \"E:\\F (1).7z\" >>>\"E:\\F (1)\\*.*\" -r -mx9");
  EXPECT_EQ(FullZipLine(u"E:\\my src\\x.inf", u"E:\\D", u"Drivers\\Files\\Net\\A & B\\[1]", 3),
            u"7z a \"E:\\D\\Drivers\\Files\\Net\\A & B\\[1]3.7z\" \"E:\\my src\\*.*\" -r -mx9 ");
}

}  // namespace
}  // namespace torvane
