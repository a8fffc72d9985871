// The analysis windows express values in what the main window shows: its
// selected units, its display formats and its decimal mark.
#include "platform/analysis/main_window_display.h"

#include "mainwindow/loaded_window.h"

#include <gtest/gtest.h>

namespace {

TEST(MainWindowDisplay, FollowsTheUnitSystemListsAndFormats) {
  LoadedWindow window;
  analysis::DisplayUnits shown = platform::DisplayUnitsOf(window.form);
  EXPECT_EQ(shown.unit, analysis::DisplayUnits::Ip().unit);
  EXPECT_EQ(shown.formats, analysis::DisplayUnits::Ip().formats);

  window.Click("optUnits(1)");
  shown = platform::DisplayUnitsOf(window.form);
  EXPECT_EQ(shown.unit, analysis::DisplayUnits::Si().unit);
  EXPECT_EQ(shown.Label(steam::Result::Pressure), "Bar");

  window.Select(16, 3);  // kelvins
  shown = platform::DisplayUnitsOf(window.form);
  EXPECT_EQ(shown.Label(steam::Result::Temperature), "K");

  const std::string before = shown.formats[0];
  window.Click("txtData(43)");
  window.Click("cmdMore");
  shown = platform::DisplayUnitsOf(window.form);
  EXPECT_EQ(shown.formats[0], before + "0");

  window.form.Locale.decimalSeparator = ",";
  EXPECT_EQ(platform::DisplayUnitsOf(window.form).locale.decimalSeparator, ",");
}

}  // namespace
