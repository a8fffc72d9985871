// SPDX-License-Identifier: GPL-3.0-or-later
// A scenario played in-process, with what it printed and what it reported.
#ifndef HYDRELIX_TESTS_SCENARIO_PLAYED_SCENARIO_H
#define HYDRELIX_TESTS_SCENARIO_PLAYED_SCENARIO_H

#include "scenario/scenario_runner.h"

#include <sstream>
#include <string>

struct PlayedScenario {
  scenario::RunOutcome outcome;
  std::string output;
  std::string errors;
};

inline PlayedScenario Play(const std::string& story) {
  std::istringstream in(story);
  std::ostringstream out;
  std::ostringstream errors;
  const scenario::RunOutcome outcome = scenario::RunScenario(in, "story", out, errors);
  return {outcome, out.str(), errors.str()};
}

#endif
