// SPDX-License-Identifier: GPL-3.0-or-later
// `type` and `paste` deliver only text a keyboard or clipboard could: a
// malformed byte refuses the line instead of reaching the window as some
// character nobody typed.
#include "played_scenario.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Sample {
  const char* what;
  std::string text;
};

const Sample kMalformed[] = {
    {"overlong solidus in two bytes", "\xC0\xAF"},
    {"overlong digit in two bytes", "\xC1\xB1"},
    {"overlong solidus in three bytes", "\xE0\x80\xAF"},
    {"overlong solidus in four bytes", "\xF0\x80\x80\xAF"},
    {"first high surrogate", "\xED\xA0\x80"},
    {"last low surrogate", "\xED\xBF\xBF"},
    {"one past U+10FFFF", "\xF4\x90\x80\x80"},
    {"lead byte F5", "\xF5\x80\x80\x80"},
    {"lead byte FF", "1\xFF"},
    {"stray continuation byte", "1\x80" "5"},
    {"three-byte form cut by the line end", "1\xE2\x82"},
    {"three-byte form cut by a digit", "\xE2\x82" "5"},
    {"four-byte form cut by the line end", "\xF0\x9F\x98"},
    {"NUL", std::string("1\0" "5", 3)},
};

const Sample kWellFormed[] = {
    {"degree sign", "\xC2\xB0"},
    {"last before the surrogates", "\xED\x9F\xBF"},
    {"first after the surrogates", "\xEE\x80\x80"},
    {"U+10FFFF", "\xF4\x8F\xBF\xBF"},
};

const char* const kEnteringActions[] = {"type", "paste"};

}  // namespace

TEST(EnteredText, MalformedUtf8OrNulRefusesTheLineBeforeTheWindowSeesIt) {
  for (const char* action : kEnteringActions) {
    for (const Sample& sample : kMalformed) {
      const PlayedScenario run =
          Play("click cmdClear\n" + std::string(action) + " " + sample.text + "\nshow\n");
      EXPECT_EQ(run.outcome, scenario::kLineRefused) << action << ": " << sample.what;
      EXPECT_EQ(run.errors.rfind("line 2: the text to " + std::string(action) + " ", 0), 0u)
          << action << ": " << sample.what << " reported " << run.errors;
      EXPECT_EQ(run.output, "") << action << ": " << sample.what;
    }
  }
}

TEST(EnteredText, WellFormedUtf8UpToU10FFFFPlays) {
  for (const char* action : kEnteringActions) {
    for (const Sample& sample : kWellFormed) {
      const PlayedScenario run = Play(std::string(action) + " " + sample.text + "\nshow\n");
      EXPECT_EQ(run.outcome, scenario::kEveryLinePlayed)
          << action << ": " << sample.what << " reported " << run.errors;
    }
  }
}

TEST(EnteredText, RefusalNamesTheByteWhereTheTextGoesWrong) {
  EXPECT_EQ(Play("type 12\xED\xA0\x80\n").errors,
            "line 1: the text to type is not valid UTF-8 at byte 3\n");
  EXPECT_EQ(Play(std::string("paste 1\0", 8) + "\n").errors,
            "line 1: the text to paste holds a NUL at byte 2\n");
}
