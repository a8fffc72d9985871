// Private copies of the saturation line ps(T), Ts(p) and of the B23 line
// pB23(T), TB23(p), which region 3 needs for its subregions and its limits.
// They live here only until the library's own region 4 and B23 functions are
// in; then these go.
#ifndef HYDRELIX_IF97_REGION3_BOUNDARY_LINES_H
#define HYDRELIX_IF97_REGION3_BOUNDARY_LINES_H

#include <cmath>

namespace if97::region3 {
namespace {

constexpr double kSaturationLine[] = {
    0.11670521452767e+04,  -0.72421316703206e+06, -0.17073846940092e+02,
    0.12020824702470e+05,  -0.32325550322333e+07, 0.14915108613530e+02,
    -0.48232657361591e+04, 0.40511340542057e+06,  -0.23855557567849e+00,
    0.65017534844798e+03,
};

constexpr double kB23Line[] = {
    0.34805185628969e+03, -0.11671859879975e+01, 0.10192970039326e-02,
    0.57254459862746e+03, 0.13918839778870e+02,
};

// ps(T) in MPa, 273.15 K <= T <= Tc.
inline double saturationPressure(double T) {
  const double* n = kSaturationLine;
  const double theta = T + n[8] / (T - n[9]);
  const double A = (theta + n[0]) * theta + n[1];
  const double B = (n[2] * theta + n[3]) * theta + n[4];
  const double C = (n[5] * theta + n[6]) * theta + n[7];
  const double x = 2.0 * C / (-B + std::sqrt(B * B - 4.0 * A * C));
  const double x2 = x * x;
  return x2 * x2;
}

// Ts(p) in K, 611.213 Pa <= p <= pc.
inline double saturationTemperature(double p) {
  const double* n = kSaturationLine;
  const double beta = std::sqrt(std::sqrt(p));
  const double E = (beta + n[2]) * beta + n[5];
  const double F = (n[0] * beta + n[3]) * beta + n[6];
  const double G = (n[1] * beta + n[4]) * beta + n[7];
  const double D = 2.0 * G / (-F - std::sqrt(F * F - 4.0 * E * G));
  const double sum = n[9] + D;
  return (sum - std::sqrt(sum * sum - 4.0 * (n[8] + n[9] * D))) / 2.0;
}

// pB23(T) in MPa.
inline double b23Pressure(double T) { return kB23Line[0] + (kB23Line[1] + kB23Line[2] * T) * T; }

// TB23(p) in K.
inline double b23Temperature(double p) {
  return kB23Line[3] + std::sqrt((p - kB23Line[4]) / kB23Line[2]);
}

}  // namespace
}  // namespace if97::region3

#endif
