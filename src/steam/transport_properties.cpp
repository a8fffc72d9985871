// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/transport_properties.h"

#include <cmath>

namespace steam {

namespace basSteam97Functions {

namespace {

// Reduced temperature and density of the IAPWS transport equations, with
// their reference state 647.226 K and 317.763 kg/m3.
struct Reduced {
  float temperature;
  float density;
};

Reduced ReducedState(double T, float molarDensity) {
  const double kelvin = (T - 32.0) / 1.8 + 273.15;
  return {static_cast<float>(kelvin / 647.226), molarDensity * 288.5764f / 317.763f};
}

// H_ij of the viscosity's density term, i by rows (powers of 1/Tr - 1), j by
// columns (powers of rho_r - 1).
constexpr float kViscosityH[6][7] = {
    {0.5132047f, 0.2151778f, -0.2818107f, 0.1778064f, -0.0417661f, 0.0f, 0.0f},
    {0.3205656f, 0.7317883f, -1.070786f, 0.460504f, 0.0f, -0.01578386f, 0.0f},
    {0.0f, 1.241044f, -1.263184f, 0.2340379f, 0.0f, 0.0f, 0.0f},
    {0.0f, 1.476783f, 0.0f, -0.4924179f, 0.1600435f, 0.0f, -0.003629481f},
    {-0.7782567f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},
    {0.1885447f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},
};

constexpr float kViscosityH0[4] = {1.0f, 0.978197f, 0.579829f, -0.202354f};

}  // namespace

float CalcSurfaceTension(float T) {
  const float celsius = (T - 32.0f) / 1.8f;
  if (!(celsius >= 0.0f && celsius <= 373.946f)) return kNoTransportValue;
  const float tau = 1.0f - (celsius + 273.15f) / 647.096f;
  const float sigma = std::pow(tau, 1.256f) * 235.8f * (1.0f - 0.625f * tau) / 1000.0f;
  return std::isfinite(sigma) ? sigma : kNoTransportValue;
}

std::optional<float> CalcViscosity(double T, float molarDensity) {
  const Reduced r = ReducedState(T, molarDensity);
  float idealSum = 0.0f;
  float inversePower = 1.0f;
  for (float h : kViscosityH0) {
    idealSum += h * inversePower;
    inversePower /= r.temperature;
  }
  const float mu0 = std::sqrt(r.temperature) / idealSum;

  const float x = 1.0f / r.temperature - 1.0f;
  const float y = r.density - 1.0f;
  float outer = 0.0f;
  float xPower = 1.0f;
  for (const auto& row : kViscosityH) {
    float inner = 0.0f;
    float yPower = 1.0f;
    for (float h : row) {
      inner += h * xPower * yPower;
      yPower *= y;
    }
    outer += inner;
    xPower *= x;
  }
  const float mu1 = std::exp(r.density * outer);
  const float viscosity = mu0 * mu1 * 5.5071e-5f * 1000.0f;
  if (!std::isfinite(viscosity)) return std::nullopt;
  return viscosity;
}

float CalcThermalConductivity(double T, float molarDensity) {
  const Reduced r = ReducedState(T, molarDensity);
  const float tr = r.temperature;
  const float rho = r.density;

  const float lambda0 =
      std::sqrt(tr) * (0.0102811f + tr * (0.0299621f + tr * (0.0156146f + tr * -0.00422464f)));
  const float lambda1 =
      -0.39707f + 0.400302f * rho + 1.06f * std::exp(-0.171587f * (rho + 2.39219f) * (rho + 2.39219f));

  constexpr float d1 = 0.0701309f, d2 = 0.0118529f, d3 = 0.00169937f, d4 = -1.02f;
  constexpr float c1 = 0.642857f, c2 = -4.11717f, c3 = -6.17937f, c4 = 0.00308976f,
                  c5 = 0.0822994f, c6 = 10.0932f;
  const float dT = std::fabs(tr - 1.0f) + c4;
  const float dTpower = std::pow(dT, 0.6f);
  const float q = 2.0f + c5 / dTpower;
  const float s = tr >= 1.0f ? 1.0f / dT : c6 / dTpower;
  const float first = (d1 / std::pow(tr, 10.0f) + d2) * std::pow(rho, 1.8f) *
                      std::exp(c1 * (1.0f - std::pow(rho, 2.8f)));
  const float second = d3 * s * std::pow(rho, q) * std::exp((q / (1.0f + q)) * (1.0f - std::pow(rho, 1.0f + q)));
  // At a very thin gas rho_r^5 is 0 in single precision: the exponent is
  // -inf and the term vanishes, which is its limit, not a fault.
  const float rho5 = std::pow(rho, 5.0f);
  const float third = rho5 == 0.0f ? 0.0f : d4 * std::exp(c2 * std::pow(tr, 1.5f) + c3 / rho5);

  const float conductivity = (lambda0 + lambda1 + first + second + third) * 0.5783036484f;
  return std::isfinite(conductivity) ? conductivity : kNoTransportValue;
}

}  // namespace basSteam97Functions

}  // namespace steam
