// Tests of the single-line INF helpers.
#include "inf/inf_values.h"

#include <gtest/gtest.h>

#include "foundation/error.h"
#include "foundation/line_list.h"
#include "foundation/text.h"
#include "support/error_message.h"

namespace torvane {
namespace {

using Items = std::vector<std::u16string>;

TEST(InfValues, ReplaceAllIsExactLeftToRightAndNotRecursive) {
  struct Case {
    std::u16string text, pattern, value, result;
  } cases[] = {
      {u"%a%-%A%", u"%a%", u"1", u"1-%A%"},
      {u"aaa", u"aa", u"b", u"ba"},
      {u"xax", u"a", u"aa", u"xaax"},
      {u"abc", u"", u"z", u"abc"},
      {u"", u"a", u"b", u""},
      {u"%%x%%", u"%%", u"", u"x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceAll(c.text, c.pattern, c.value), c.result) << ToUtf8(c.text);
  }
}

TEST(InfValues, StripQuotesAndCleanInfValue) {
  struct Case {
    std::u16string text, stripped, cleaned;
  } cases[] = {
      {u"\"Intel\"", u"Intel", u"Intel"},
      {u"  \"Intel\"  ; comment", u"  \"Intel\"  ; comment", u"Intel"},
      {u"\"\"", u"", u""},
      {u"\"", u"", u""},
      {u"", u"", u""},
      {u"\"a", u"a", u"a"},
      {u"a\"", u"a", u"a"},
      {u"\"a \"\"b\"\" c\"", u"a \"\"b\"\" c", u"a \"\"b\"\" c"},
      {u" x ;", u" x ;", u"x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StripQuotes(c.text), c.stripped) << ToUtf8(c.text);
    EXPECT_EQ(CleanInfValue(c.text), c.cleaned) << ToUtf8(c.text);
  }
}

TEST(InfValues, SplitInfFieldsDropsEmptyFieldsBeforeNumbering) {
  struct Case {
    std::u16string line;
    Items fields;
  } cases[] = {
      {u"%Desc% = Install , PCI\\VEN_8086&DEV_1234 ; comment",
       {u"%Desc%", u"Install", u"PCI\\VEN_8086&DEV_1234"}},
      {u"\"Foo, Inc. Device\"=Install,PCI\\VEN_1", {u"Fo", u"Inc. Device\"", u"Install", u"PCI\\VEN_1"}},
      {u"  ; only a comment", {}},
      {u"", {}},
      {u"a,,b", {u"a", u"b"}},
      {u", a , b", {u"a", u"b"}},
      {u"a@b=c,", {u"a", u"b", u"c"}},
      {u"\t x\ty \t", {u"x\ty"}},
      {u"\"", {u""}},
      {u"'a,b'", {u"'a", u"b'"}},
  };
  for (const Case& c : cases) {
    TStringList list;
    EXPECT_EQ(SplitInfFields(c.line, list), static_cast<int>(c.fields.size())) << ToUtf8(c.line);
    EXPECT_EQ(list.ToVector(), c.fields) << ToUtf8(c.line);
  }
}

TEST(InfValues, ExpandManufacturerLineNamesBaseThenDecorations) {
  struct Case {
    std::u16string line;
    Items names;
  } cases[] = {
      {u"%Mfg%=Contoso,NTx86,NTamd64.6.1", {u"Contoso", u"Contoso.NTx86", u"Contoso.NTamd64.6.1"}},
      {u"%Mfg%=Contoso", {u"Contoso"}},
      {u"Contoso", {u"Contoso"}},
      {u"%Mfg% = Models , NTamd64 ; x", {u"Models", u"Models.NTamd64"}},
  };
  for (const Case& c : cases) {
    TStringList list;
    ExpandManufacturerLine(c.line, list);
    EXPECT_EQ(list.ToVector(), c.names) << ToUtf8(c.line);
  }
  for (const std::u16string line : {u"%Mfg%=", u"%Mfg%=   ", u"%Mfg%= ; nothing"}) {
    TStringList list;
    EXPECT_EQ(testing::MessageOf([&] { ExpandManufacturerLine(line, list); }),
              u"List index out of bounds (0)")
        << ToUtf8(line);
  }
}

TEST(InfValues, ExpandModelLineUpperCasesIdsAndKeepsTheDescription) {
  struct Case {
    std::u16string line;
    Items entries;
  } cases[] = {
      {u"%Dev%=Inst,pci\\ven_10ec&dev_8168,PCI\\CC_0200",
       {u"PCI\\VEN_10EC&DEV_8168=%Dev%", u"PCI\\CC_0200=%Dev%"}},
      {u"%Dev%=,PCI\\VEN_1", {}},
      {u"%Dev%=Inst", {}},
      {u"\"Foo, Inc. Device\"=Install,PCI\\VEN_1", {u"INSTALL=Fo", u"PCI\\VEN_1=Fo"}},
      {u"Dev \u00e9=Inst,usb\\vid_1\u00e9", {u"USB\\VID_1\u00e9=Dev \u00e9"}},
  };
  for (const Case& c : cases) {
    TStringList list;
    ExpandModelLine(c.line, list);
    EXPECT_EQ(list.ToVector(), c.entries) << ToUtf8(c.line);
  }
}

TEST(InfValues, AddStringsEntryCleansKeyAndValue) {
  struct Case {
    std::u16string line, entry;
  } cases[] = {
      {u"Desc = \"Fast Ethernet\"", u"Desc=Fast Ethernet"},
      {u"\"Desc\" = \"Fast Ethernet\"", u"Desc=Fast Ethernet"},
      {u"Desc=", u"Desc="},
      {u"Desc = x ; comment", u"Desc=x"},
      {u"no equals sign", u"=no equals sign"},
      {u"=v", u"=v"},
      {u"a=b=c", u"a=b=c"},
  };
  for (const Case& c : cases) {
    TStringList list;
    AddStringsEntry(c.line, list);
    EXPECT_EQ(list.ToVector(), Items{c.entry}) << ToUtf8(c.line);
  }
}

}  // namespace
}  // namespace torvane
