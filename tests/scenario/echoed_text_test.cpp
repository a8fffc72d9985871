// SPDX-License-Identifier: GPL-3.0-or-later
// A refused line is quoted back as one short, inert line: however long the
// line and whatever bytes it holds, the terminal shows it and nothing more.
#include "played_scenario.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Repeated(const std::string& piece, size_t times) {
  std::string text;
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

struct Echo {
  std::string written;
  std::string quoted;
};

const Echo kEchoes[] = {
    {"cboUnit(16)", "cboUnit(16)"},
    {"\x1B[2J\x1B[31mred", "\\x1B[2J\\x1B[31mred"},
    {"a\tb\rc\x07\x7F", "a\\tb\\rc\\x07\\x7F"},
    {"csi\xC2\x9B" "2J", "csi\\u009B2J"},
    {"\xE2\x80\xAE" "txetrac", "\\u202Etxetrac"},
    {"not utf-8 \xFF\xC0", "not utf-8 \\xFF\\xC0"},
    {"written \\x1B", "written \\\\x1B"},
    {"t\xC2\xB0" "C", "t\xC2\xB0" "C"},
    {Repeated("x", 80), Repeated("x", 80)},
    {Repeated("x", 1'000'000), Repeated("x", 80) + "\u2026"},
    {Repeated("\xC3\xA9", 200), Repeated("\xC3\xA9", 80) + "\u2026"},
    {Repeated("\x1B", 100'000), Repeated("\\x1B", 80) + "\u2026"},
};

}  // namespace

TEST(RefusedLine, IsQuotedEscapedAndCutAfterEightyCharacters) {
  for (const Echo& echo : kEchoes) {
    EXPECT_EQ(Play("focus " + echo.written + "\n").errors,
              "line 1: no control named '" + echo.quoted + "'\n")
        << echo.quoted;
  }
}

TEST(RefusedLine, OfEveryKindThatQuotesItsWordStaysInert) {
  const std::string hostile = Repeated("\x1B[2J", 1000);
  for (const std::string& line :
       {hostile, "key " + hostile, "focus " + hostile, "select " + hostile + " 1"}) {
    const std::string errors = Play(line + "\n").errors;
    EXPECT_EQ(errors.find('\x1B'), std::string::npos) << errors;
    EXPECT_LT(errors.size(), 500u) << errors;
  }
}
