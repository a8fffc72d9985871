// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random user sessions: after every action the window must still
// be consistent, whatever was clicked, typed, selected or pasted.
#include "loaded_window.h"

#include "units/display_format.h"
#include "units/number_text.h"

#include <array>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

using mainwindow::Key;

namespace {

const char* const kPastes[] = {"", "0", "1", "0.5", "-0.5", "212", "1e5", "1,000.5", "nan",
                               "inf", "1e999", "-", "abc", "99999999999", "3.4e38", " 7 ",
                               "1.0001", "0,25", "\xc2\xb0"};
constexpr char kKeystrokes[] = "0123456789.,-e+ x";
constexpr Key kKeys[] = {Key::Tab, Key::Enter, Key::Backspace, Key::Delete, Key::Escape};

class RandomSession {
 public:
  explicit RandomSession(unsigned seed) : rng_(seed) {}

  // Plays one random action and says what it was.
  std::string PlayOne(LoadedWindow& w) {
    const int roll = Pick(100);
    const auto& controls = w.form.Controls();
    if (roll < 25) {
      mainwindow::Control& control = *controls[Pick(static_cast<int>(controls.size()))];
      w.form.UserClick(control);
      return "click " + control.FullName();
    }
    if (roll < 33) {
      mainwindow::Control& control = *controls[Pick(static_cast<int>(controls.size()))];
      w.form.UserFocus(control);
      return "focus " + control.FullName();
    }
    if (roll < 43) {
      const auto list = static_cast<int16_t>(16 + Pick(12));
      const int position = Pick(w.form.cboUnits(list).ListCount() + 2) - 1;
      w.form.UserSelect(w.form.cboUnits(list), position);
      return "select cboUnits(" + std::to_string(list) + ") " + std::to_string(position);
    }
    if (roll < 73) {
      std::string typed;
      for (int n = 1 + Pick(4); n > 0; --n) typed += kKeystrokes[Pick(sizeof kKeystrokes - 1)];
      w.Type(typed);
      return "type " + typed;
    }
    if (roll < 88) {
      const Key key = kKeys[Pick(5)];
      w.Press(key);
      return "key " + std::to_string(static_cast<int>(key));
    }
    if (roll < 98) {
      const char* pasted = kPastes[Pick(sizeof kPastes / sizeof kPastes[0])];
      w.Paste(pasted);
      return std::string("paste ") + pasted;
    }
    const bool comma = Pick(2) == 0;
    w.form.Locale.decimalSeparator = comma ? "," : ".";
    w.form.Locale.groupSeparator = comma ? "." : ",";
    return comma ? "locale ," : "locale .";
  }

 private:
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng_); }
  std::mt19937 rng_;
};

// What the keystroke filter lets through, and what the pasted texts hold.
bool MayStandInEditedText(char c) {
  if (std::string_view("0123456789.,-").find(c) != std::string_view::npos) return true;
  for (const char* pasted : kPastes) {
    if (std::string_view(pasted).find(c) != std::string_view::npos) return true;
  }
  return false;
}

struct FieldSnapshot {
  bool locked;
  std::string text;
};

std::array<FieldSnapshot, 15> Snapshot(const mainwindow::frmMain& form) {
  std::array<FieldSnapshot, 15> fields;
  for (int16_t i = 43; i <= 57; ++i) {
    fields[i - 43] = {form.txtData(i).Locked(), form.txtData(i).Text()};
  }
  return fields;
}

void CheckWindow(const mainwindow::frmMain& form, const std::array<FieldSnapshot, 15>& before) {
  EXPECT_NE(form.optUnits(0).Value(), form.optUnits(1).Value());
  EXPECT_NE(form.optSteam(0).Value(), form.optSteam(1).Value());

  int ticked = 0;
  for (int16_t k = 0; k < 5; ++k) ticked += form.chkStmInput(k).Value() == 1;
  EXPECT_LE(ticked, 2);
  for (int16_t k = 0; k < 5; ++k) {
    const bool isTicked = form.chkStmInput(k).Value() == 1;
    EXPECT_EQ(form.chkStmInput(k).Enabled(), ticked != 2 || isTicked) << "box " << k;
    if (form.txtData(43 + k).Locked()) {
      EXPECT_TRUE(ticked == 2 && !isTicked) << "input field " << 43 + k << " locked";
    }
  }

  for (int16_t i = 43; i <= 57; ++i) {
    const mainwindow::TextBox& field = form.txtData(i);
    if (i > 47) {
      EXPECT_TRUE(field.Locked()) << i;
    }
    if (field.Locked()) {
      EXPECT_FALSE(field.EditedByUser()) << i;
    }
    const FieldSnapshot& was = before[i - 43];
    if (was.locked && field.Text() != was.text) {
      EXPECT_FALSE(field.EditedByUser()) << "locked field " << i << " changed by the user";
    }
    if (!field.EditedByUser() && !field.Text().empty()) {
      EXPECT_TRUE(units::ReadNumber(field.Text(), form.Locale).has_value())
          << "field " << i << " shows \"" << field.Text() << '"';
    }
    if (field.EditedByUser()) {
      for (char c : field.Text()) {
        EXPECT_TRUE(MayStandInEditedText(c)) << "field " << i << " holds \"" << field.Text() << '"';
      }
    }
  }

  const steam::WorkingState& s = form.WorkingState;
  for (double value : {s.Temperature, s.Pressure, s.SpecificVolume, s.Density, s.Enthalpy,
                       s.Entropy, s.Cp, s.Cv, s.Quality, s.Viscosity, s.Conductivity,
                       s.SurfaceTension, s.SoundSpeed}) {
    EXPECT_TRUE(std::isfinite(value));
  }
  EXPECT_TRUE(s.Quality >= 0.0 && s.Quality <= 1.0) << s.Quality;

  EXPECT_TRUE(form.LastLeftField == 0 || (form.LastLeftField >= 43 && form.LastLeftField <= 57));
  for (const std::string& format : form.DisplayFormats) EXPECT_LE(units::DigitCount(format), 8);
  if (form.Focused() != nullptr) {
    EXPECT_TRUE(form.Focused()->Enabled());
  }
}

}  // namespace

TEST(RandomUserSessions, LeaveTheWindowConsistentAfterEveryAction) {
  RandomSession session(20261208u);
  for (int run = 0; run < 3000; ++run) {
    LoadedWindow w;
    std::ostringstream story;
    for (int step = 0; step < 50; ++step) {
      const auto before = Snapshot(w.form);
      story << session.PlayOne(w) << '\n';
      SCOPED_TRACE("session " + std::to_string(run) + ":\n" + story.str());
      CheckWindow(w.form, before);
      if (::testing::Test::HasFailure()) return;
    }
  }
}
