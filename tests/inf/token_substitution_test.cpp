// Tests of %token% substitution: the pairing rules, the bounds, and the fast passes against the
// literal ones.
#include "inf/token_substitution.h"

#include <gtest/gtest.h>

#include <random>

#include "foundation/line_list.h"
#include "foundation/text.h"
#include "inf/inf_values.h"

namespace torvane {
namespace {

TStringList Strings(std::initializer_list<std::u16string> entries) {
  TStringList list;
  for (const auto& e : entries) list.Add(e);
  return list;
}

TEST(TokenSubstitution, PairsPercentSignsAcrossTheWholeText) {
  const TStringList strings = Strings({u"Dev=Network Card", u"Mfg=Contoso", u"A=1", u"b=2"});
  struct Case {
    std::u16string text, result;
  } cases[] = {
      {u"PCI\\VEN_1=%Dev%\r\nPCI\\VEN_2=%dev%\r\n", u"PCI\\VEN_1=Network Card\r\nPCI\\VEN_2=Network Card\r\n"},
      {u"%Undefined% x", u" x"},
      {u"100% sure\r\nX=%Dev%\r\n", u"100Dev%\r\n"},  // the lone "%" pairs across the line break
      {u"%%", u""},
      {u"no tokens", u"no tokens"},
      {u"%A%%b%A%", u"1%b1"},  // the second "%A%" straddles the pairing
      {u"%b%A%b%", u"2A2"},
      {u"one % only", u"one % only"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SubstituteTokens(c.text, strings), c.result) << ToUtf8(c.text);
    EXPECT_EQ(SubstituteTokensLiterally(c.text, strings), c.result) << ToUtf8(c.text);
  }
}

TEST(TokenSubstitution, AValueWithAPercentShiftsThePairing) {
  const TStringList strings = Strings({u"Pct=50%", u"x=X"});
  const std::u16string text = u"%Pct% off %x% and %x%";
  EXPECT_EQ(SubstituteTokensLiterally(text, strings), u"50xx%");
  EXPECT_EQ(SubstituteTokens(text, strings), SubstituteTokensLiterally(text, strings));
}

TEST(TokenSubstitution, SelfReferenceStopsAtTheBounds) {
  // Each pass doubles the token; the growth bound stops it long before the pass limit.
  const TStringList doubling = Strings({u"a=%a%%a%"});
  const std::u16string grown = SubstituteTokens(u"[%a%]", doubling);
  EXPECT_LE(grown.size(), 8u * 5 + 65536);
  EXPECT_EQ(grown, SubstituteTokensLiterally(u"[%a%]", doubling));
  // A value holding its own token once never grows: the pass limit ends it.
  const TStringList cycle = Strings({u"a=x%a%"});
  const std::u16string cycled = SubstituteTokens(u"%a%", cycle);
  EXPECT_EQ(cycled, std::u16string(kMaxSubstitutionPasses, u'x') + u"%a%");
}

// Values naming each other make the passes repeat without growing; the result must still be
// the text after the last allowed pass, whatever the period and wherever the repeat starts.
TEST(TokenSubstitution, RepeatingPassesEndWhereTheLiteralPassesEnd) {
  struct Case {
    std::u16string text;
    std::vector<std::u16string> strings;
  } cases[] = {
      {u"%a%", {u"a=%b%", u"b=%a%"}},
      {u"x%a%y%a%", {u"a=%b%", u"b=%c%", u"c=%a%"}},
      {u"%a%%d%", {u"a=%b%", u"b=%a%", u"d=e"}},
      {u"%p%", {u"p=\"%q%\"", u"q=%p%%p:%e"}},
      {u"%s%%t%tail", {u"s=%t%", u"t=%s%", u"u=1"}},
      {u"%k%", {u"k=%k%"}},
  };
  for (const Case& c : cases) {
    TStringList strings;
    for (const std::u16string& line : c.strings) AddStringsEntry(line, strings);
    EXPECT_EQ(ToUtf8(SubstituteTokens(c.text, strings)), ToUtf8(SubstituteTokensLiterally(c.text, strings)))
        << ToUtf8(c.text);
  }
}

// Random texts built from few tokens, gaps that equal token names, lone percent signs and
// values with and without "%" are where a shortcut would part from the literal passes.
TEST(TokenSubstitution, FastPassesAgreeWithLiteralPasses) {
  std::mt19937 random(3);
  const std::u16string pieces[] = {u"%", u"a", u"b", u"A", u"x", u"\r\n", u"%a%", u"%b%", u"%%"};
  for (int round = 0; round < 3000; ++round) {
    TStringList strings;
    strings.Add(u"a=" + std::u16string(random() % 3 == 0 ? u"v%" : u"va"));
    strings.Add(u"b=" + std::u16string(random() % 2 ? u"" : u"a"));
    strings.Add(u"x=%b%");
    if (round % 2) strings.Delete(2);
    std::u16string text;
    const int length = random() % 14;
    for (int k = 0; k < length; ++k) text += pieces[random() % std::size(pieces)];
    ASSERT_EQ(ToUtf8(SubstituteTokens(text, strings)), ToUtf8(SubstituteTokensLiterally(text, strings)))
        << "text " << ToUtf8(text) << " round " << round;
  }
}

TEST(TokenSubstitution, ManyTokensAgreeOnALargeText) {
  TStringList strings;
  std::u16string text;
  for (int i = 0; i < 400; ++i) {
    strings.Add(u"Key" + IntToStr(i) + u"=Description " + IntToStr(i));
    text += u"PCI\\VEN_" + IntToStr(i) + u"=%Key" + IntToStr(i % 350) + u"%\r\n";
  }
  text += u"TAIL=%Missing%\r\n";
  EXPECT_EQ(SubstituteTokens(text, strings), SubstituteTokensLiterally(text, strings));
}

}  // namespace
}  // namespace torvane
