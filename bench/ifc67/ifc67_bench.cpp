// ns per call of the libCalorix.so entry points over fixed state sets per
// subregion, cycled so that every call sees a different state. Run with the
// repetitions built in (7; mean, median, spread and minimum reported);
// `ifc67_bench --calls NAME N` instead makes N calls of one case and nothing
// else, for counting instructions under callgrind (bench/instructions.sh);
// `--list` names the cases.
#include <benchmark/benchmark.h>
#include <hydrelix/ifc67.h>
#include <stm/dynamic_library.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using Property1 = double (*)(double);
using Property2 = double (*)(double, double);

constexpr double kMegapascalPerAtmosphere = 0.101325;
double fahrenheit(double kelvin) { return (kelvin - 273.15) * 1.8 + 32.0; }
double atmospheres(double megapascals) { return megapascals / kMegapascalPerAtmosphere; }

struct Pair {
  double a, b;
};

// A 16 x 16 grid over T in [T0, T1] and, at each T, p in [p0(T), p1(T)],
// shuffled by a fixed stride so that neighbouring calls are not neighbouring
// states.
constexpr int kSide = 16;
constexpr std::size_t kStates = kSide * kSide;  // a power of two

std::vector<Pair> grid(double T0, double T1, const std::function<double(double)>& p0,
                       const std::function<double(double)>& p1) {
  std::vector<Pair> ordered;
  for (int i = 0; i < kSide; ++i) {
    const double T = T0 + (T1 - T0) * i / (kSide - 1);
    for (int j = 0; j < kSide; ++j) ordered.push_back({T, p0(T) + (p1(T) - p0(T)) * j / (kSide - 1)});
  }
  std::vector<Pair> shuffled(kStates);
  for (std::size_t k = 0; k < kStates; ++k) shuffled[k] = ordered[(k * 97) % kStates];
  return shuffled;
}

double vapourLimit(double T) {  // highest pressure of subregion 2 at T, a little inside
  if (T <= 623.15) return 0.95 * ifc67::saturationPressure(T);
  if (T <= 863.15) return 0.95 * ifc67::boundaryPressure(T);
  return 99.9;
}

// (T in K, p in MPa) of each subregion, and (T, x) of saturated states.
struct StateSets {
  std::vector<Pair> subregion1 = grid(
      280.0, 620.0, [](double T) { return 1.05 * ifc67::saturationPressure(T); }, [](double) { return 99.9; });
  std::vector<Pair> subregion2 = grid(300.0, 1070.0, [](double) { return 0.001; }, vapourLimit);
  std::vector<Pair> subregion3 = grid(
      650.0, 850.0, [](double T) { return 1.02 * ifc67::boundaryPressure(T); }, [](double) { return 99.9; });
  std::vector<Pair> subregion4 = grid(
      624.0, 646.0, [](double T) { return 1.01 * ifc67::saturationPressure(T); }, [](double) { return 99.9; });
  std::vector<Pair> wetLow = grid(273.16, 623.0, [](double) { return 0.0; }, [](double) { return 1.0; });
  std::vector<Pair> wetHigh = grid(624.0, 647.0, [](double) { return 0.0; }, [](double) { return 1.0; });
};

const StateSets& sets() {
  static const StateSets s;
  return s;
}

// The arguments of each entry point, in library units, from a state set.
std::vector<Pair> fahrenheitAtmospheres(const std::vector<Pair>& tp) {
  std::vector<Pair> out;
  for (const Pair& s : tp) out.push_back({fahrenheit(s.a), atmospheres(s.b)});
  return out;
}
std::vector<Pair> fahrenheitFraction(const std::vector<Pair>& tx) {
  std::vector<Pair> out;
  for (const Pair& s : tx) out.push_back({fahrenheit(s.a), s.b});
  return out;
}
std::vector<Pair> atmospheresFraction(const std::vector<Pair>& tx) {
  std::vector<Pair> out;
  for (const Pair& s : tx) out.push_back({atmospheres(ifc67::saturationPressure(s.a)), s.b});
  return out;
}
// (J/kg or J/(kg K), atm) of single-phase states.
std::vector<Pair> valueAtmospheres(const std::vector<Pair>& tp, double (*property)(double, double)) {
  std::vector<Pair> out;
  for (const Pair& s : tp) out.push_back({1000.0 * property(s.a, s.b), atmospheres(s.b)});
  return out;
}
// (J/kg or J/(kg K), atm) of wet states.
std::vector<Pair> wetValueAtmospheres(const std::vector<Pair>& tx, double (*property)(double, double)) {
  std::vector<Pair> out;
  for (const Pair& s : tx)
    out.push_back({1000.0 * property(s.a, s.b), atmospheres(ifc67::saturationPressure(s.a))});
  return out;
}

struct Case {
  std::string name;
  const char* entryPoint;
  bool oneArgument;
  std::vector<Pair> arguments;
};

std::vector<Case> cases() {
  const StateSets& s = sets();
  std::vector<Case> all;
  const std::pair<const char*, const std::vector<Pair>*> subregions[] = {
      {"subregion1", &s.subregion1}, {"subregion2", &s.subregion2},
      {"subregion3", &s.subregion3}, {"subregion4", &s.subregion4}};
  for (const char* f : {"STM_nEtp", "STM_nStp", "STM_nXtp", "STM_nCtp"})
    for (const auto& [name, states] : subregions)
      all.push_back({std::string(f) + "/" + name, f, false, fahrenheitAtmospheres(*states)});

  std::vector<Pair> temperatures, pressures;
  for (const Pair& t : s.wetLow) temperatures.push_back({fahrenheit(t.a), 0.0});
  for (const Pair& t : s.wetLow) pressures.push_back({atmospheres(ifc67::saturationPressure(t.a)), 0.0});
  all.push_back({"STM_kPt/saturation", "STM_kPt", true, temperatures});
  all.push_back({"STM_kTp/saturation", "STM_kTp", true, pressures});

  const std::pair<const char*, const std::vector<Pair>*> wet[] = {{"below623K", &s.wetLow},
                                                                  {"above623K", &s.wetHigh}};
  for (const auto& [name, states] : wet) {
    for (const char* f : {"STM_sEtw", "STM_sStw", "STM_sXtw"})
      all.push_back({std::string(f) + "/" + name, f, false, fahrenheitFraction(*states)});
    for (const char* f : {"STM_sEpw", "STM_sSpw"})
      all.push_back({std::string(f) + "/" + name, f, false, atmospheresFraction(*states)});
    all.push_back({std::string("STM_sWep/") + name, "STM_sWep", false,
                   wetValueAtmospheres(*states, ifc67::mixtureEnthalpyTx)});
    all.push_back({std::string("STM_sWsp/") + name, "STM_sWsp", false,
                   wetValueAtmospheres(*states, ifc67::mixtureEntropyTx)});
  }

  for (const auto& [name, states] : subregions) {
    if (states != &s.subregion1 && states != &s.subregion4)
      all.push_back({std::string("STM_2Tep/") + name, "STM_2Tep", false, valueAtmospheres(*states, ifc67::specificEnthalpy)});
    all.push_back({std::string("STM_nTsp/") + name, "STM_nTsp", false, valueAtmospheres(*states, ifc67::specificEntropy)});
  }
  return all;
}

const stm::DynamicLibrary& calorix() {
  static const stm::DynamicLibrary library(CALORIX_LIBRARY);
  return library;
}

// The case's entry point, looked up once.
struct Bound {
  Property1 one = nullptr;
  Property2 two = nullptr;
  explicit Bound(const Case& c) {
    if (c.oneArgument) one = calorix().entry<Property1>(c.entryPoint);
    else two = calorix().entry<Property2>(c.entryPoint);
  }
};

// Calls the entry point on the case's states in turn; returns a sum so the
// calls cannot be dropped.
double callCycled(const Case& c, const Bound& f, std::size_t calls, std::size_t& next) {
  double sum = 0.0;
  if (f.one) {
    for (std::size_t i = 0; i < calls; ++i, next = (next + 1) & (kStates - 1)) sum += f.one(c.arguments[next].a);
  } else {
    for (std::size_t i = 0; i < calls; ++i, next = (next + 1) & (kStates - 1))
      sum += f.two(c.arguments[next].a, c.arguments[next].b);
  }
  return sum;
}

void runCase(benchmark::State& state, const Case& c) {
  const Bound f(c);
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(callCycled(c, f, 1, next));
}

}  // namespace

int main(int argc, char** argv) {
  if (!calorix().isOpen()) {
    std::fprintf(stderr, "%s\n", calorix().error().c_str());
    return 1;
  }
  const std::vector<Case> all = cases();
  // A NaN argument would time the fast way out, not the computation.
  for (const Case& c : all) {
    const Bound f(c);
    if (!f.one && !f.two) {
      std::fprintf(stderr, "no entry point %s\n", c.entryPoint);
      return 1;
    }
    const bool finite = std::all_of(c.arguments.begin(), c.arguments.end(),
                                    [](const Pair& p) { return std::isfinite(p.a) && std::isfinite(p.b); });
    if (c.arguments.size() != kStates || !finite) {
      std::fprintf(stderr, "bad state set for %s\n", c.name.c_str());
      return 1;
    }
  }

  if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
    for (const Case& c : all) std::printf("%s\n", c.name.c_str());
    return 0;
  }
  if (argc == 4 && std::strcmp(argv[1], "--calls") == 0) {
    for (const Case& c : all) {
      if (c.name != argv[2]) continue;
      std::size_t next = 0;
      const double sum = callCycled(c, Bound(c), std::strtoull(argv[3], nullptr, 10), next);
      std::printf("%s %g\n", c.name.c_str(), sum);
      return 0;
    }
    std::fprintf(stderr, "no case %s\n", argv[2]);
    return 1;
  }

  for (const Case& c : all)
    benchmark::RegisterBenchmark(c.name.c_str(), [&c](benchmark::State& state) { runCase(state, c); })
        ->Repetitions(7)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
