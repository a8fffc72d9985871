// The fifteen fields of a computed state, entered through the window as a
// user would, against values worked out here from the property libraries'
// C++ APIs in SI units and the published unit conversions. Each input pair of
// each formulation, in the phases the pair can reach.
#include "loaded_window.h"

#include "hydrelix/if97.h"
#include "hydrelix/ifc67.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Published conversions to the IP units the window opens with.
constexpr double kPsiaPerMegapascal = 14.695948775 / 0.101325;
constexpr double kKilojoulePerKgInBtuPerLb = 1.0 / 2.326;
constexpr double kKilojoulePerKgKInBtuPerLbR = 1.0 / 4.1868;
// The program's volume factor (ft3/lbmol per m3/kg over the molar mass) is
// 2 ppm above the exact 16.018463, which the displayed volumes carry.
constexpr double kCubicMetrePerKgInCubicFeetPerLb = 288.5777282714844 / 18.01528;
constexpr double kFeetPerMetre = 3.280839895;

double Kelvin(double fahrenheit) { return (fahrenheit - 32.0) / 1.8 + 273.15; }
double Fahrenheit(double kelvin) { return (kelvin - 273.15) * 1.8 + 32.0; }

enum class Formula { IF97, IFC67 };
enum Field { T = 43, P, X, H, S, V, D, CP, CV, MU, K, SIGMA, W, PR, GAMMA };

// A state worked out in SI: what the fifteen fields must show.
struct Expected {
  double kelvin = 0, megapascal = 0, quality = 0;
  double v = 0, h = 0, s = 0, cp = 0, cv = 0, w = 0;  // SI
  bool surfaceTension = false;
};

double SaturatedLiquidEnthalpy(Formula f, double fahrenheit) {
  const double t = Kelvin(fahrenheit);
  return f == Formula::IF97 ? if97::saturationStateT(t).liquid.h
                            : ifc67::mixtureEnthalpyTx(t, 0.0);
}

// cp of a liquid is the slope of the saturated-liquid enthalpy over 1 F.
double LiquidCp(Formula f, double fahrenheit) {
  return (SaturatedLiquidEnthalpy(f, fahrenheit + 0.5) -
          SaturatedLiquidEnthalpy(f, fahrenheit - 0.5)) *
         1.8;
}

// The IF-97 single-phase properties the program borrows, on the state's side.
double SidePressure(double t, double p, double quality) {
  if (t > if97::kCriticalTemperature) return p;
  const double ps = if97::saturationPressure(t);
  return quality < 0.5 ? std::max(p, ps * (1 + 1e-9)) : std::min(p, ps * (1 - 1e-9));
}

void Complete(Formula f, Expected& e) {
  const bool wet = e.quality >= 0.0001 && e.quality <= 0.9999;
  const double fahrenheit = Fahrenheit(e.kelvin);
  const double side = SidePressure(e.kelvin, e.megapascal, e.quality);
  if (wet) {
    e.cp = e.cv = e.w = 0.0;
  } else {
    e.cv = if97::isochoricHeatCapacity(e.kelvin, side);
    e.w = if97::speedOfSound(e.kelvin, side);
    if (e.quality == 0.0) {
      e.cp = LiquidCp(f, fahrenheit);
    } else if (f == Formula::IF97) {
      e.cp = if97::isobaricHeatCapacity(e.kelvin, side);
    } else {
      // The module's own 64-bit atm factor puts saturated vapour a hair below
      // its line.
      e.cp = ifc67::isobaricHeatCapacity(e.kelvin, e.megapascal * (1 - 1.19e-8));
    }
  }
  e.surfaceTension = e.quality < 0.0001 && e.kelvin < 647.096;
}

Expected Single(Formula f, double t, double p) {
  Expected e;
  e.kelvin = t;
  e.megapascal = p;
  if (f == Formula::IF97) {
    const if97::Properties props = if97::propertiesTp(t, p);
    e.v = props.v, e.h = props.h, e.s = props.s;
    const double ts = p < if97::kCriticalPressure ? if97::saturationTemperature(p)
                                                  : if97::kCriticalTemperature;
    e.quality = t > ts ? 1.0 : 0.0;
  } else {
    e.v = ifc67::specificVolume(t, p), e.h = ifc67::specificEnthalpy(t, p), e.s = ifc67::specificEntropy(t, p);
    const double ts = p < ifc67::kCriticalPressure ? ifc67::saturationTemperature(p)
                                                   : ifc67::kCriticalTemperature;
    e.quality = Fahrenheit(t) >= std::nearbyint(Fahrenheit(ts) * 1e4) / 1e4 ? 1.0 : 0.0;
  }
  Complete(f, e);
  return e;
}

Expected Saturated(Formula f, double t, double x) {
  Expected e;
  e.kelvin = t;
  e.quality = x;
  if (f == Formula::IF97) {
    const if97::SaturationState sat = if97::saturationStateT(t);
    e.megapascal = sat.p;
    e.v = sat.liquid.v + x * (sat.vapour.v - sat.liquid.v);
    e.h = sat.liquid.h + x * (sat.vapour.h - sat.liquid.h);
    e.s = sat.liquid.s + x * (sat.vapour.s - sat.liquid.s);
  } else {
    e.megapascal = ifc67::saturationPressure(t);
    e.v = ifc67::mixtureVolumeTx(t, x);
    e.h = ifc67::mixtureEnthalpyTx(t, x);
    e.s = ifc67::mixtureEntropyTx(t, x);
  }
  Complete(f, e);
  return e;
}

std::string Text(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

struct Case {
  const char* story;
  Formula formula;
  Field first, second;
  Expected expected;
};

class ComputedWindow {
 public:
  explicit ComputedWindow(const Case& c) {
    if (c.formula == Formula::IFC67) w.Click("optSteam(1)");
    // Every field in the general form, so the test sees every digit kept.
    w.form.DisplayFormats.fill("G");
    for (Field tick : {T, P, X, H, S}) {
      if (tick != c.first && tick != c.second && w.form.chkStmInput(tick - T).Value() == 1) {
        w.Click(Box(tick));
      }
    }
    for (Field tick : {c.first, c.second}) {
      if (w.form.chkStmInput(tick - T).Value() != 1) w.Click(Box(tick));
    }
    for (Field input : {c.first, c.second}) w.Enter(input, Text(Shown(c.expected, input)));
    w.Click("cmdCompute");
  }

  static std::string Box(Field field) { return "chkStmInput(" + std::to_string(field - T) + ")"; }

  // What field `f` must show of state e, in the IP units.
  static double Shown(const Expected& e, Field f) {
    switch (f) {
      case T: return Fahrenheit(e.kelvin);
      case P: return e.megapascal * kPsiaPerMegapascal;
      case X: return e.quality;
      case H: return e.h * kKilojoulePerKgInBtuPerLb;
      case S: return e.s * kKilojoulePerKgKInBtuPerLbR;
      case V: return e.v * kCubicMetrePerKgInCubicFeetPerLb;
      case D: return 1.0 / (e.v * kCubicMetrePerKgInCubicFeetPerLb);
      case CP: return e.cp * kKilojoulePerKgKInBtuPerLbR;
      case CV: return e.cv * kKilojoulePerKgKInBtuPerLbR;
      case W: return e.w * kFeetPerMetre;
      default: return 0.0;
    }
  }

  double Number(Field f) const { return std::strtod(w.Text(f).c_str(), nullptr); }

  LoadedWindow w;
};

void ExpectFields(const Case& c) {
  SCOPED_TRACE(c.story);
  ComputedWindow window(c);
  ASSERT_TRUE(window.w.view.messages.empty())
      << window.w.view.messages.front().text;
  const Expected& e = c.expected;
  // The state a typed input leads to moves with the input's last digits, most
  // of all near the critical point.
  for (Field f : {T, P, X, H, S, V, D, CP, CV, W}) {
    const double expected = ComputedWindow::Shown(e, f);
    EXPECT_NEAR(window.Number(f), expected, 5e-6 * std::fabs(expected) + 1e-9)
        << "txtData(" << f << ") shows " << window.w.Text(f) << ", expected " << expected;
  }
  const bool wet = e.quality >= 0.0001 && e.quality <= 0.9999;
  if (wet) {
    EXPECT_EQ(window.w.Text(MU), "0");
    EXPECT_EQ(window.w.Text(K), "0");
    EXPECT_EQ(window.w.Text(PR), "0");
  } else {
    EXPECT_GT(window.Number(MU), 0.0);
    EXPECT_GT(window.Number(K), 0.0);
    // Pr = cp mu / k with mu in lb/(ft h): the fields agree with each other.
    const double prandtl =
        window.Number(CP) * window.Number(MU) * 2.4190883105 / window.Number(K);
    EXPECT_NEAR(window.Number(PR), prandtl, 1e-5 * prandtl);
  }
  if (e.cv != 0.0) {
    EXPECT_NEAR(window.Number(GAMMA), e.cp / e.cv, 3e-6 * e.cp / e.cv);
  } else {
    EXPECT_EQ(window.w.Text(GAMMA), "0");
  }
  const mainwindow::TextBox& sigma = window.w.form.txtData(SIGMA);
  EXPECT_EQ(sigma.Enabled(), e.surfaceTension);
  EXPECT_EQ(sigma.BackColor(), e.surfaceTension ? mainwindow::SystemColour::WindowBackground
                                              : mainwindow::SystemColour::ButtonFace);
  if (e.surfaceTension) {
    // IAPWS surface tension, in dyn/cm.
    const double tau = 1.0 - e.kelvin / 647.096;
    const double dynPerCm = 235.8 * std::pow(tau, 1.256) * (1.0 - 0.625 * tau);
    EXPECT_NEAR(window.Number(SIGMA), dynPerCm, 1e-4 * dynPerCm);
  } else {
    EXPECT_EQ(window.Number(SIGMA), 0.0);
  }
}

Expected PhState(Formula f, double p, double h) {
  if (f == Formula::IF97) {
    const double t = if97::temperaturePh(p, h);
    if (if97::isTwoPhasePh(p, h)) return Saturated(f, t, if97::qualityPh(p, h));
    return Single(f, t, p);
  }
  return Single(f, ifc67::temperaturePh(p, h), p);
}

Expected PsState(Formula f, double p, double s) {
  if (f == Formula::IF97) {
    const double t = if97::temperaturePs(p, s);
    if (if97::isTwoPhasePs(p, s)) return Saturated(f, t, if97::qualityPs(p, s));
    return Single(f, t, p);
  }
  const double x = p < ifc67::kCriticalPressure ? ifc67::qualityPs(p, s) : 2.0;
  if (x > 0.0 && x < 1.0) return Saturated(f, ifc67::saturationTemperature(p), x);
  return Single(f, ifc67::temperaturePs(p, s), p);
}

std::vector<Case> Cases(Formula f) {
  std::vector<Case> cases;
  const double tc = f == Formula::IF97 ? 647.096 : 647.30;
  // Temperature and pressure: compressed liquid, superheated, supercritical.
  cases.push_back({"T-P compressed liquid", f, T, P, Single(f, Kelvin(150.0), 6.894757)});
  cases.push_back({"T-P superheated", f, T, P, Single(f, Kelvin(600.0), 1.0)});
  cases.push_back({"T-P supercritical", f, T, P, Single(f, Kelvin(1000.0), 30.0)});
  cases.push_back({"T-P supercritical liquid-like", f, T, P, Single(f, Kelvin(600.0), 40.0)});
  // Temperature and quality: both saturated ends and a mixture.
  for (double x : {0.0, 0.35, 1.0}) cases.push_back({"T-x", f, T, X, Saturated(f, Kelvin(350.0), x)});
  cases.push_back({"T-x near critical", f, T, X, Saturated(f, tc - 5.0, 0.5)});
  // Temperature with enthalpy or entropy: only wet states are accepted.
  cases.push_back({"T-h wet", f, T, H, Saturated(f, Kelvin(250.0), 0.6)});
  cases.push_back({"T-s wet", f, T, S, Saturated(f, Kelvin(450.0), 0.2)});
  // Pressure and quality.
  for (double x : {0.0, 0.8, 1.0}) {
    const Expected at = Saturated(f, Kelvin(400.0), x);
    cases.push_back({"P-x", f, P, X, at});
  }
  // Pressure and enthalpy: superheated, wet, supercritical (compressed liquid
  // is IF-97's only).
  cases.push_back({"P-h superheated", f, P, H, PhState(f, 0.5, 3000.0)});
  cases.push_back({"P-h supercritical", f, P, H, PhState(f, 25.0, 2600.0)});
  if (f == Formula::IF97) {
    cases.push_back({"P-h compressed liquid", f, P, H, PhState(f, 5.0, 400.0)});
    cases.push_back({"P-h wet", f, P, H, PhState(f, 1.0, 1800.0)});
  }
  // Pressure and entropy: every phase.
  cases.push_back({"P-s compressed liquid", f, P, S, PsState(f, 5.0, 1.2)});
  cases.push_back({"P-s superheated", f, P, S, PsState(f, 0.2, 7.5)});
  cases.push_back({"P-s supercritical", f, P, S, PsState(f, 30.0, 5.0)});
  return cases;
}

TEST(ComputedFields, EveryPairUnderIf97) {
  for (const Case& c : Cases(Formula::IF97)) ExpectFields(c);
}

TEST(ComputedFields, EveryPairUnderIfc67) {
  for (const Case& c : Cases(Formula::IFC67)) ExpectFields(c);
}

}  // namespace
