// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever text reaches a field or a format, the window stores a finite
// number and keeps working.
#include "loaded_window.h"

#include "units/number_text.h"

#include <cmath>
#include <string>

using mainwindow::Key;

namespace {

const char* const kNotNumbers[] = {
    "",      "abc", "nan",   "NaN", "inf",  "-inf", "Infinity", "1e999", "-1e999",
    "1e39",  "-",   "+",     ".",   ",",    "--5",  "5-",       "1.2.3", "0x1A",
    "1e",    "e5",  " ",     "\t",  "1 2",  "°F",   "\xff\xfe", "12abc", "3.5e38x",
    "99999999999999999999999999999999999999999"};

}  // namespace

TEST(PastedText, ThatIsNoNumberStoresZeroInEveryInput) {
  for (const char* pasted : kNotNumbers) {
    LoadedWindow w;
    w.form.WorkingState.Temperature = 50.0;
    w.Paste(pasted);
    w.Press(Key::Tab);
    EXPECT_EQ(w.form.WorkingState.Temperature, 0.0) << '"' << pasted << '"';
    EXPECT_EQ(w.Text(43), "0.00") << '"' << pasted << '"';
  }
}

TEST(PastedText, ThatIsNoNumberGivesQualityZero) {
  for (const char* pasted : kNotNumbers) {
    LoadedWindow w;
    w.Click("chkStmInput(1)");
    w.Click("chkStmInput(2)");
    w.Enter(45, "0.5");
    w.Click("txtData(45)");
    w.Paste(pasted);
    w.Press(Key::Tab);
    EXPECT_EQ(w.form.WorkingState.Quality, 0.0) << '"' << pasted << '"';
    EXPECT_TRUE(w.view.messages.empty()) << '"' << pasted << '"';
  }
}

TEST(PastedText, BeyondThe32BitRangeStoresZeroInEveryUnit) {
  for (int unit = 0; unit < 8; ++unit) {
    LoadedWindow w;
    w.Select(17, unit);
    w.Click("txtData(44)");
    w.Paste("1e39");
    w.Press(Key::Tab);
    EXPECT_EQ(w.form.WorkingState.Pressure, 0.0) << unit;
  }
}

TEST(PastedText, GroupSeparatorsAreDroppedWhereverTheyStand) {
  LoadedWindow w;
  w.Paste(" 1,0,00.5 ");
  w.Press(Key::Tab);
  EXPECT_EQ(w.form.WorkingState.Temperature, 1000.5);
  EXPECT_EQ(w.Text(43), "1000.50");
}

TEST(PastedText, FollowsTheLocaleSeparators) {
  LoadedWindow w;
  w.form.Locale.decimalSeparator = ",";
  w.form.Locale.groupSeparator = ".";
  w.Paste("1.000,25");
  w.Press(Key::Tab);
  EXPECT_EQ(w.form.WorkingState.Temperature, 1000.25);
  EXPECT_EQ(w.Text(43), "1000,25");
}

TEST(DisplayFormat, OfAnyTextShowsAValueWithoutFailing) {
  const std::string formats[] = {"", ".", "0", "#", "abc", "0.0.0", "%", "0.00E+00",
                                 "\xc2\xb0", std::string(10000, '#'),
                                 "0." + std::string(10000, '0'), std::string(10000, 'x')};
  for (const std::string& format : formats) {
    LoadedWindow w;
    w.form.WorkingState.Temperature = -123.456;
    w.form.DisplayFormats[0] = format;
    w.form.cboUnits_Click(16);
    EXPECT_LT(w.Text(43).size(), 20000u);
    w.Click("cmdMore");
    w.Click("cmdLess");
    w.Click("cmdLess");
    w.form.cboUnits_Click(16);
  }
}

TEST(DisplayFormat, OfAnyTextGivesTypedQualityAValue) {
  LoadedWindow w;
  w.Click("chkStmInput(1)");
  w.Click("chkStmInput(2)");
  w.form.DisplayFormats[2] = "garbage";
  w.Enter(45, "0.5");
  EXPECT_EQ(w.form.WorkingState.Quality, 0.5);
  EXPECT_TRUE(units::ReadNumber(w.Text(45), w.form.Locale).has_value()) << w.Text(45);
}
