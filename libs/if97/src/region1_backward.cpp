// SPDX-License-Identifier: MIT
#include "region1_backward.h"

#include "region1_coefficients.h"
#include "term_sums.h"

namespace if97::region1::backward {

// theta = SUM n pi^I (eta + 1)^J, pi = p / 1 MPa, eta = h / 2500 kJ/kg.
double temperaturePh(double p, double h) {
  return sumOverTable<kRegion1BackwardTph>(p, h / 2500.0 + 1.0);
}

// theta = SUM n pi^I (sigma + 2)^J, pi = p / 1 MPa, sigma = s / 1 kJ/(kg K).
double temperaturePs(double p, double s) {
  return sumOverTable<kRegion1BackwardTps>(p, s + 2.0);
}

}  // namespace if97::region1::backward
