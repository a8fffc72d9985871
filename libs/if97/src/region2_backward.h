// SPDX-License-Identifier: MIT
// Backward equations of region 2: T(p, h) and T(p, s) in the subregions 2a,
// 2b and 2c, and the lines between them. Within 10 mK (2a, 2b) and 25 mK (2c)
// of the basic equation; the starting point of an exact solution.
#ifndef HYDRELIX_IF97_REGION2_BACKWARD_H
#define HYDRELIX_IF97_REGION2_BACKWARD_H

namespace if97::region2::backward {

enum class Subregion { a, b, c };

// 2a up to 4 MPa; above, 2b on the high-entropy side of the 2b/2c line.
Subregion subregionPh(double p, double h);
Subregion subregionPs(double p, double s);

double temperaturePh(double p, double h);  // subregion chosen by subregionPh
double temperaturePs(double p, double s);  // subregion chosen by subregionPs

double temperature2aPh(double p, double h);
double temperature2bPh(double p, double h);
double temperature2cPh(double p, double h);
double temperature2aPs(double p, double s);
double temperature2bPs(double p, double s);
double temperature2cPs(double p, double s);

// The 2b/2c line, close to the isentrope s = 5.85 kJ/(kg K).
double b2bcPressure(double h);  // MPa
double b2bcEnthalpy(double p);  // kJ/kg

// The 2a/2b line in the h-s plane (from the p(h, s) backward release).
double h2abEnthalpy(double s);  // kJ/kg

}  // namespace if97::region2::backward

#endif
