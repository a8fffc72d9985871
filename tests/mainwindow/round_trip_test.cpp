// SPDX-License-Identifier: GPL-3.0-or-later
// A state computed from temperature and pressure, then entered again through
// each other pair of inputs the formulation takes, as the texts the window
// showed for it: every field must come back as it was, in both unit systems
// and under both formulations. The shown inputs are rounded (an entropy to
// 5e-6 moves a superheated temperature by 0.01 F), so a field may move by
// two units of its last place or 2e-5 of its value; a wrong unit or phase
// moves it far more.
#include "round_trip_states.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace round_trip;

// Digits after the point in a shown text.
int Decimals(const std::string& text) {
  const std::size_t point = text.find('.');
  return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// Two shown texts of the same field agree to within `digits` units of the
// last place shown or 2e-5 of the value.
bool Agree(const std::string& a, const std::string& b, int digits) {
  if (a == b) return true;
  const double x = std::atof(a.c_str()), y = std::atof(b.c_str());
  const double lastPlace = std::pow(10.0, -Decimals(a));
  return std::fabs(x - y) <= digits * lastPlace * 1.0001 + 2e-5 * std::fabs(x);
}

void ExpectRoundTrips(bool ifc67, bool si, const std::vector<State>& states) {
  for (const State& state : states) {
    RoundTrip window(ifc67, si);
    const std::string where = std::string(state.name) + (ifc67 ? ", IFC-67" : ", IF-97") + (si ? ", SI" : ", IP");
    window.Compute(state.start, state.texts);
    ASSERT_TRUE(window.w.view.messages.empty()) << where << ": " << window.w.view.messages.front().text;
    const std::vector<std::string> original = window.Fields();
    for (Pair pair : state.pairs) {
      window.Compute(pair, original);
      const std::string context = where + ", from " + window.w.form.chkStmInput(pair.first).FullName() + " and " +
                                  window.w.form.chkStmInput(pair.second).FullName();
      ASSERT_TRUE(window.w.view.messages.empty()) << context << ": " << window.w.view.messages.front().text;
      const std::vector<std::string> back = window.Fields();
      for (std::size_t f = 0; f < back.size(); ++f)
        EXPECT_TRUE(Agree(original[f], back[f], 2))
            << context << ": txtData(" << kFirstField + f << ") was " << original[f] << ", now " << back[f];
    }
  }
}

void ExpectRoundTrips(const Table& table) { ExpectRoundTrips(table.ifc67, table.si, table.states); }

TEST(RoundTrip, If97InIpUnits) { ExpectRoundTrips(Tables()[0]); }

TEST(RoundTrip, If97InSiUnits) { ExpectRoundTrips(Tables()[1]); }

TEST(RoundTrip, Ifc67InBothUnitSystems) {
  ExpectRoundTrips(Tables()[2]);
  ExpectRoundTrips(Tables()[3]);
}

}  // namespace
