// Deterministic fuzzing of the STM_ entry points and the C++ API: the first
// byte picks a function, the second whether the next sixteen bytes are taken
// as two raw doubles or folded into the function's range (where the density
// searches and the iterations run). Every answer is held to what stm/stm_api.h
// promises: NaN or a finite number, vapour fractions in [0, 1] and never -0,
// unit setters that accept their own code only, the range limits, and
// T(p, h), T(p, s) beside the saturated states on the side of the line the
// value lies on and rising with it. A broken promise stops the run, as does
// any sanitizer report.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "hydrelix/ifc67.h"
#include "stm/stm_api.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

bool nanOrFinite(double value) { return std::isnan(value) || std::isfinite(value); }

using Property2 = double (*)(double, double);

// Interval a folded argument is spread over, a little wider than the range.
struct Interval {
  double low, high;
};
constexpr Interval kFahrenheit{30.0, 1475.0}, kAtmospheres{0.0, 990.0}, kJoulePerKg{-1e5, 4.5e6},
    kJoulePerKgK{-500.0, 1.2e4}, kFraction{-0.1, 1.1}, kKelvin{270.0, 1080.0}, kMegapascal{0.0, 101.0},
    kKilojoulePerKg{-100.0, 4500.0}, kKilojoulePerKgK{-0.5, 12.0};

// The argument intervals of each function, in the order of the tables below.
constexpr Interval kEntryPointArguments[][2] = {
    {kFahrenheit, kFraction},   {kFahrenheit, kFraction},   {kFahrenheit, kFraction},
    {kAtmospheres, kFraction},  {kAtmospheres, kFraction},  {kJoulePerKg, kAtmospheres},
    {kFahrenheit, kAtmospheres}, {kFahrenheit, kAtmospheres}, {kFahrenheit, kAtmospheres},
    {kFahrenheit, kAtmospheres}, {kJoulePerKgK, kAtmospheres}};
constexpr Interval kApiArguments[][2] = {
    {kKelvin, kMegapascal},      {kKelvin, kMegapascal},      {kKelvin, kMegapascal},
    {kKelvin, kMegapascal},      {kKelvin, kMegapascal},      {kKelvin, kFraction},
    {kKelvin, kFraction},        {kKelvin, kFraction},        {kMegapascal, kKilojoulePerKg},
    {kMegapascal, kKilojoulePerKgK}, {kMegapascal, kKilojoulePerKg}, {kMegapascal, kKilojoulePerKgK}};

// The raw bits of a double as a fraction in [0, 1), spread over the interval.
double fold(const uint8_t* bytes, Interval interval) {
  uint64_t bits;
  std::memcpy(&bits, bytes, sizeof bits);
  const double fraction = static_cast<double>(bits >> 11) * 0x1p-53;
  return interval.low + (interval.high - interval.low) * fraction;
}

constexpr Property2 kEntryPoints[] = {STM_sEtw, STM_sStw, STM_sXtw, STM_sEpw, STM_sSpw, STM_2Tep, STM_nEtp,
                                      STM_nStp, STM_nXtp, STM_nCtp, STM_nTsp};
constexpr Property2 kApi[] = {ifc67::specificVolume,       ifc67::specificEnthalpy,
                              ifc67::specificEntropy,              ifc67::specificInternalEnergy,
                              ifc67::isobaricHeatCapacity, ifc67::mixtureVolumeTx,
                              ifc67::mixtureEnthalpyTx,    ifc67::mixtureEntropyTx,
                              ifc67::qualityPh,  ifc67::qualityPs,
                              ifc67::temperaturePh, ifc67::temperaturePs};
using Setter = int16_t (*)(int32_t);
// Each unit setter with the one code it accepts (stm_api.h and calorix_units.h).
constexpr struct {
  Setter set;
  int32_t code;
} kSetters[] = {{STM_SetTempUnit, 3},        {STM_SetPressUnit, 16},      {STM_SetEntlUnit, 22},
                {STM_SetEntrUnit, 32},       {STM_SetVolUnit, 41},        {STM_SetWetDryUnit, 52},
                {STM_SetHeatCapUnit, 62},    {STM_SetThermalConUnit, 72}, {STM_SetDynamicVisUnit, 82},
                {STM_SetSurTensionUnit, 91}};

void requireFraction(double x) { require(std::isnan(x) || (x >= 0.0 && x <= 1.0 && !std::signbit(x))); }

// A setter with a code from the input, its own code, or a neighbour of it:
// accepted exactly when the code is its own, and the units stay as they were.
void checkSetter(const uint8_t* bytes) {
  const auto& setter = kSetters[bytes[0] % (sizeof(kSetters) / sizeof(kSetters[0]))];
  int32_t code;
  std::memcpy(&code, bytes + 1, sizeof code);
  if (bytes[5] % 4 == 0) code = setter.code;
  if (bytes[5] % 4 == 1) code = setter.code + static_cast<int8_t>(bytes[6]);
  require((setter.set(code) != 0) == (code == setter.code));
  require(STM_GetMaxTemp() == 1472.0 && STM_GetMinTemp() == 32.018);
  require(std::fabs(STM_kTp(1.0) - 211.9998696) < 1e-6);
}

void checkRangeFunctions() {
  require(STM_GetMaxTemp() == 1472.0 && STM_GetMinTemp() == 32.018);
  require(STM_GetMinPress() == 0.0 && std::fabs(STM_GetMaxPress() - 1e8 / 101325.0) < 1e-9);
  require(std::isfinite(STM_nEtp(STM_GetMinTemp(), STM_GetMaxPress())));
  require(std::isfinite(STM_nStp(STM_GetMaxTemp(), STM_GetMaxPress())));
}

// Which side of the line the (t, p) functions put t on, by the volume
// against the saturated volumes at p.
bool evaluatedAsVapour(double t, double p) {
  const double line = STM_kTp(p);
  return STM_nXtp(t, p) > std::sqrt(STM_sXtw(line, 0.0) * STM_sXtw(line, 1.0));
}

// (p, h) or (p, s) a few ulps or a few 1e-15 from a saturated value, at a
// pressure on the saturation line (below 0.999 pc1, where the saturated
// volumes are far apart): the temperature exists, lies on the value's side
// of STM_kTp and is evaluated there, and does not fall at the next value up.
void checkBesideTheLine(const uint8_t* bytes, bool entropy) {
  const double lowest = STM_kPt(STM_GetMinTemp());
  const double p = fold(bytes, {lowest, 0.999 * 22.12 / 0.101325});
  uint64_t bits;
  std::memcpy(&bits, bytes + 8, sizeof bits);
  const bool vapourEnd = (bits & 1) != 0 || !entropy;
  const double saturated = entropy ? STM_sSpw(p, vapourEnd ? 1.0 : 0.0) : STM_sEpw(p, 1.0);
  const int offset = static_cast<int>((bits >> 1) % 33) - 16;
  double value = saturated;
  if ((bits >> 8) & 1) {
    value = saturated * (1.0 + 1e-15 * offset);
  } else {
    for (int i = 0; i < std::abs(offset); ++i) value = std::nextafter(value, offset > 0 ? INFINITY : -INFINITY);
  }
  const Property2 inverse = entropy ? STM_nTsp : STM_2Tep;
  const double t = inverse(value, p);
  const double next = inverse(std::nextafter(value, INFINITY), p);
  const double line = STM_kTp(p);
  const double liquid = entropy ? STM_sSpw(p, 0.0) : NAN;
  const double vapour = entropy ? STM_sSpw(p, 1.0) : saturated;
  require(std::isfinite(t) && std::isfinite(next) && next >= t);
  if (value < liquid) {
    require(t <= line && !evaluatedAsVapour(t, p));
  } else if (value > vapour || !entropy) {  // STM_2Tep takes e a hair below h'' as h''
    require(t >= line && evaluatedAsVapour(t, p));
  } else {
    require(t == line);
  }
  // The (t, p) functions' own vapour beside the line, fed back.
  double vapourT = line;
  for (int i = 0; i < std::abs(offset); ++i) vapourT = std::nextafter(vapourT, INFINITY);
  if (!entropy && evaluatedAsVapour(vapourT, p)) {
    const double back = STM_2Tep(STM_nEtp(vapourT, p), p);
    require(std::isfinite(back) && back >= line);
  }
}

constexpr size_t kEntryPointCount = sizeof(kEntryPoints) / sizeof(kEntryPoints[0]);
constexpr size_t kApiCount = sizeof(kApi) / sizeof(kApi[0]);
static_assert(sizeof(kEntryPointArguments) / sizeof(kEntryPointArguments[0]) == kEntryPointCount, "");
static_assert(sizeof(kApiArguments) / sizeof(kApiArguments[0]) == kApiCount, "");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2 + 2 * sizeof(double)) return 0;
  const bool folded = data[1] & 1;
  const uint8_t* arguments = data + 2;
  double a, b;
  std::memcpy(&a, arguments, sizeof a);
  std::memcpy(&b, arguments + sizeof a, sizeof b);
  const size_t choice = data[0] % (kEntryPointCount + kApiCount + 8);
  if (choice < kEntryPointCount) {
    if (folded) {
      a = fold(arguments, kEntryPointArguments[choice][0]);
      b = fold(arguments + sizeof a, kEntryPointArguments[choice][1]);
    }
    require(nanOrFinite(kEntryPoints[choice](a, b)));
  } else if (choice < kEntryPointCount + kApiCount) {
    const size_t index = choice - kEntryPointCount;
    if (folded) {
      a = fold(arguments, kApiArguments[index][0]);
      b = fold(arguments + sizeof a, kApiArguments[index][1]);
    }
    require(nanOrFinite(kApi[index](a, b)));
  } else {
    if (folded) {
      a = fold(arguments, kJoulePerKg);
      b = fold(arguments + sizeof a, kAtmospheres);
    }
    switch (choice - kEntryPointCount - kApiCount) {
      case 0:
        requireFraction(STM_sWep(a, b));
        break;
      case 1:
        requireFraction(STM_sWsp(a, b));
        break;
      case 2:
        require(nanOrFinite(STM_kPt(a)) && nanOrFinite(STM_kTp(b)));
        break;
      case 3:
        require(nanOrFinite(ifc67::saturationPressure(a)) && nanOrFinite(ifc67::saturationTemperature(b)));
        require(ifc67::subregionTp(a, b) >= 0 && ifc67::subregionTp(a, b) <= 4);
        break;
      case 4:
        checkSetter(arguments);
        break;
      case 5:
        checkRangeFunctions();
        break;
      case 6:
        checkBesideTheLine(arguments, false);
        break;
      default:
        checkBesideTheLine(arguments, true);
        break;
    }
  }
  return 0;
}
