// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's texts are the window's: every state of the window's
// round-trip table, entered through each of its pairs as the texts the window
// shows, gives the same fifteen field texts from `state` as from the window,
// under both formulations in both unit systems, placeholders included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/bound_libraries.h"
#include "cli/state_report.h"
#include "mainwindow/round_trip_states.h"

namespace {

using namespace round_trip;

cli::InputName NameOf(Input input) { return static_cast<cli::InputName>(input); }

cli::StateReport FromCommandLine(bool ifc67, bool si, Pair pair,
                                 const std::vector<std::string>& shown,
                                 steam::PropertyLibraries& libraries) {
  cli::StateRequest request{};
  int k = 0;
  // Given in the reverse order: the command line takes a pair either way.
  for (Input input : {pair.second, pair.first}) {
    std::string reason;
    request.names[k] = NameOf(input);
    const std::optional<cli::QuantityText> text =
        cli::ReadQuantity(NameOf(input), shown[input], reason);
    EXPECT_TRUE(text) << shown[input] << ": " << reason;
    if (text) request.texts[k] = *text;
    ++k;
  }
  cli::ReportOptions options;
  options.formulation = ifc67 ? steam::Formulation::IFC67 : steam::Formulation::IF97;
  options.si = si;
  options.units = cli::SystemUnits(si);
  return cli::ReportState(request, options, libraries);
}

TEST(WindowTexts, EveryPairOfTheRoundTripTableUnderBothFormulationsInBothSystems) {
  cli::BoundLibraries libraries;
  int compared = 0;
  for (const Table& table : Tables()) {
    for (const State& state : table.states) {
      RoundTrip window(table.ifc67, table.si);
      window.Compute(state.start, state.texts);
      const std::vector<std::string> original = window.Fields();
      std::vector<Pair> pairs{state.start};
      pairs.insert(pairs.end(), state.pairs.begin(), state.pairs.end());
      for (Pair pair : pairs) {
        const std::vector<std::string>& typed =
            pair.first == state.start.first && pair.second == state.start.second ? state.texts
                                                                                 : original;
        window.Compute(pair, typed);
        const std::string where = std::string(state.name) + (table.ifc67 ? ", IFC-67" : ", IF-97") +
                                  (table.si ? ", SI" : ", IP") + ", inputs " +
                                  std::to_string(pair.first) + "-" + std::to_string(pair.second);
        ASSERT_TRUE(window.w.view.messages.empty()) << where;
        const cli::StateReport report =
            FromCommandLine(table.ifc67, table.si, pair, typed, libraries);
        ASSERT_TRUE(report.computed) << where << ": " << report.errorMessage;
        const std::vector<std::string> shown = window.Fields();
        for (std::size_t i = 0; i < shown.size(); ++i)
          EXPECT_EQ(report.properties[i].text, shown[i])
              << where << ", " << cli::kResultKeys[i].key;
        ++compared;
      }
    }
  }
  EXPECT_EQ(compared, 56);
}

}  // namespace
