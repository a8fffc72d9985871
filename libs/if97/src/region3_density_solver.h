// SPDX-License-Identifier: MIT
// Solving p(rho, T) = p for rho on one branch of a region 3 isotherm.
#ifndef HYDRELIX_IF97_REGION3_DENSITY_SOLVER_H
#define HYDRELIX_IF97_REGION3_DENSITY_SOLVER_H

#include "region3_helmholtz.h"

namespace if97::region3 {

// Below Tc an isotherm of the equation rises along the vapour branch to a
// maximum, falls through an unstable loop around the critical density and
// rises again along the liquid branch. At and above Tc it rises throughout.
enum class Branch { liquid, vapour, supercritical };

// Densities that enclose every region 3 state, kg/m3: below 20 kg/m3 the
// pressure stays under 9 MPa and up to 800 kg/m3 it rises past 140 MPa on
// every isotherm of the region; much beyond, the equation turns over.
constexpr double kLowestDensity = 20.0;
constexpr double kHighestDensity = 800.0;

// The density on `branch` where the isotherm reaches p, starting from `start`
// (a backward-equation value; any value works, a close one saves steps).
// Newton steps kept inside a bracket that shrinks around the root, with
// bisection whenever a step would leave it or converge too slowly, so the
// iteration count is bounded whatever the input. When p lies beyond the
// reach of a branch (a vapour pressure above the top of the loop, which the
// saturation line can ask for within a hair of Tc) the result is the end of
// that branch, where dp/drho = 0.
double solveDensity(const Isotherm& isotherm, double p, Branch branch, double start);

}  // namespace if97::region3

#endif
