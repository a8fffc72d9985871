// Deterministic fuzzing of the STM_ entry points and the C++ API: the first
// byte picks a function, the second whether the next sixteen bytes are taken
// as two raw doubles or folded into the function's range (where the density
// searches and the iterations run). Any answer other than NaN or a finite
// number (a quality outside [0, 1]) stops the run, as does any sanitizer
// report.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "ifc67/ifc67.h"
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
constexpr Property2 kApi[] = {ifc67::specificVolume,       ifc67::enthalpy,
                              ifc67::entropy,              ifc67::internalEnergy,
                              ifc67::isobaricHeatCapacity, ifc67::saturatedVolume,
                              ifc67::saturatedEnthalpy,    ifc67::saturatedEntropy,
                              ifc67::qualityFromEnthalpy,  ifc67::qualityFromEntropy,
                              ifc67::temperatureFromEnthalpy, ifc67::temperatureFromEntropy};
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
  const size_t choice = data[0] % (kEntryPointCount + kApiCount + 4);
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
      case 0: {
        const double x = STM_sWep(a, b);
        require(std::isnan(x) || (x >= 0.0 && x <= 1.0 && !std::signbit(x)));
        break;
      }
      case 1: {
        const double x = STM_sWsp(a, b);
        require(std::isnan(x) || (x >= 0.0 && x <= 1.0 && !std::signbit(x)));
        break;
      }
      case 2:
        require(nanOrFinite(STM_kPt(a)) && nanOrFinite(STM_kTp(b)));
        break;
      default:
        require(nanOrFinite(ifc67::saturationPressure(a)) && nanOrFinite(ifc67::saturationTemperature(b)));
        require(ifc67::subregion(a, b) >= 0 && ifc67::subregion(a, b) <= 4);
        break;
    }
  }
  return 0;
}
