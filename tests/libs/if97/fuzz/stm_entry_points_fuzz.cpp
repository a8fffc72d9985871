// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes become a unit setting, an entry point and its arguments; every
// answer must keep what stm_api.h promises (NaN or finite, vapour fractions
// in range and never -0, a wet state at the saturation temperature, a
// single-phase one on its side of it, unknown unit codes refused without
// effect), and nothing may crash, hang or trip a sanitizer.
#include <stm/stm_api.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

double readDouble(const uint8_t*& data, std::size_t& size) {
  double value = 0.0;
  const std::size_t n = size < sizeof value ? size : sizeof value;
  std::memcpy(&value, data, n);
  data += n;
  size -= n;
  return value;
}

void expect(bool promise) {
  if (!promise) __builtin_trap();
}

void expectNaNOrFinite(double value) { expect(std::isnan(value) || std::isfinite(value)); }

// The top of the vapour fraction scale in the units chosen: 1 or 100 %.
double gWholeVapour = 1.0;

void expectQuality(double x) {
  if (std::isnan(x)) return;
  expect(x >= 0.0 && x <= gWholeVapour && !std::signbit(x));
}

void expectSameOrBothNaN(double before, double after) {
  expect(before == after || (std::isnan(before) && std::isnan(after)));
}

// What the (p, h) or (p, s) functions say of one state must agree: a wet
// state gets STM_sTp(p); below the critical pressure a single-phase state
// with x clamped to 1 (vapour) lies above it, one clamped to 0 at or below.
void expectOneAnswer(double p, int16_t wet, double x, double t) {
  expect(wet == 0 || wet == 1);
  expectQuality(x);
  expectNaNOrFinite(t);
  if (std::isnan(t) || std::isnan(x)) return;
  const double saturation = STM_sTp(p);
  if (wet != 0) {
    expect(t == saturation);
  } else if (x == gWholeVapour) {
    expect(t > saturation);
  } else if (x == 0.0) {
    expect(t <= saturation);
  }
}

// 0: the program's own codes; anything else: a mixture of the others.
void chooseUnits(uint8_t choice) {
  if (choice == 0) {
    STM_SetTempUnit(3);
    STM_SetPressUnit(17);
    STM_SetEnthalUnit(31);
    STM_SetEntroUnit(51);
    STM_SetDensityUnit(71);
    STM_SetWetDryUnit(92);
    STM_SetHCUnit(102);
    gWholeVapour = 1.0;
    return;
  }
  static const int32_t temperature[] = {1, 2, 3, 4};
  static const int32_t pressure[] = {11, 12, 13, 14, 15, 17};
  static const int32_t enthalpy[] = {31, 32, 33};
  static const int32_t entropy[] = {51, 52, 53};
  static const int32_t density[] = {71, 72, 73, 74};
  static const int32_t quality[] = {91, 92};
  gWholeVapour = quality[(choice / 2) % 2] == 91 ? 100.0 : 1.0;
  static const int32_t heatCapacity[] = {101, 102, 103};
  STM_SetTempUnit(temperature[choice % 4]);
  STM_SetPressUnit(pressure[choice % 6]);
  STM_SetEnthalUnit(enthalpy[choice % 3]);
  STM_SetEntroUnit(entropy[(choice / 3) % 3]);
  STM_SetDensityUnit(density[(choice / 4) % 4]);
  STM_SetWetDryUnit(quality[(choice / 2) % 2]);
  STM_SetHCUnit(heatCapacity[(choice / 5) % 3]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const uint8_t function = data[0];
  chooseUnits(data[1]);
  data += 2;
  size -= 2;
  const double a = readDouble(data, size);
  const double b = readDouble(data, size);
  switch (function % 22) {
    case 0: expectNaNOrFinite(STM_sPt(a)); break;
    case 1: {
      // above pc Tc, below the line 273.15 K: finite for every pressure that
      // is still above zero in MPa
      const double t = STM_sTp(a);
      expectNaNOrFinite(t);
      if (a >= 1e-290 && std::isfinite(a)) expect(std::isfinite(t));
      break;
    }
    case 2: expectNaNOrFinite(STM_sHtx(a, b)); break;
    case 3: expectNaNOrFinite(STM_sStx(a, b)); break;
    case 4: expectNaNOrFinite(STM_sDtx(a, b)); break;
    case 5: expectQuality(STM_sXph(a, b)); break;
    case 6: expectQuality(STM_sXps(a, b)); break;
    case 7: expectNaNOrFinite(STM_nDtp(a, b)); break;
    case 8: expectNaNOrFinite(STM_nHtp(a, b)); break;
    case 9: expectNaNOrFinite(STM_nStp(a, b)); break;
    case 10: expectNaNOrFinite(STM_nCPtp(a, b)); break;
    case 11: expectNaNOrFinite(STM_nCVtp(a, b)); break;
    case 12: expectNaNOrFinite(STM_nWtp(a, b)); break;
    case 13: expectNaNOrFinite(STM_nTph(a, b)); break;
    case 14: expectNaNOrFinite(STM_nTps(a, b)); break;
    case 15: expectOneAnswer(a, STM_IsSat_ph(a, b), STM_sXph(a, b), STM_nTph(a, b)); break;
    case 16: expectOneAnswer(a, STM_IsSat_ps(a, b), STM_sXps(a, b), STM_nTps(a, b)); break;
    case 17: expect(std::isfinite(STM_GetMaxTemp()) && std::isfinite(STM_GetMinTemp())); break;
    case 18: expect(std::isfinite(STM_GetMaxPress()) && std::isfinite(STM_GetMinPress())); break;
    case 19: {
      // a whole state from (p, h) as the program builds it
      const double T = STM_nTph(a, b);
      expectNaNOrFinite(STM_nStp(T, a));
      expectNaNOrFinite(STM_nDtp(T, a));
      expectQuality(STM_sXph(a, b));
      break;
    }
    case 20: {
      const double T = STM_nTps(a, b);
      expectNaNOrFinite(STM_nHtp(T, a));
      expectQuality(STM_sXps(a, b));
      break;
    }
    default: {
      // Odd unit codes must be refused by every setter and change nothing. The
      // code comes from the arguments' bits, so the fuzzer steers it too.
      int32_t code;
      std::memcpy(&code, &a, sizeof code);
      if (code == 0) code = static_cast<int32_t>(static_cast<uint32_t>(function) * 16777619u);
      const bool known = (code >= 1 && code <= 4) || (code >= 11 && code <= 15) || code == 17 ||
                         (code >= 31 && code <= 33) || (code >= 51 && code <= 53) ||
                         (code >= 71 && code <= 74) || code == 91 || code == 92 ||
                         (code >= 101 && code <= 103);
      if (known) break;
      const double t = 300.0, p = 10.0;  // a state in range in most units
      const double before[] = {STM_nHtp(t, p), STM_nStp(t, p), STM_nDtp(t, p), STM_nCPtp(t, p),
                               STM_sXph(p, b), STM_sTp(p)};
      expect(STM_SetTempUnit(code) == 0);
      expect(STM_SetPressUnit(code) == 0);
      expect(STM_SetEnthalUnit(code) == 0);
      expect(STM_SetEntroUnit(code) == 0);
      expect(STM_SetDensityUnit(code) == 0);
      expect(STM_SetWetDryUnit(code) == 0);
      expect(STM_SetHCUnit(code) == 0);
      const double after[] = {STM_nHtp(t, p), STM_nStp(t, p), STM_nDtp(t, p), STM_nCPtp(t, p),
                              STM_sXph(p, b), STM_sTp(p)};
      for (int k = 0; k < 6; ++k) expectSameOrBothNaN(before[k], after[k]);
      break;
    }
  }
  return 0;
}
