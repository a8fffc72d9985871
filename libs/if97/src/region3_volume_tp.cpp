// Region 3 backward equations v(p, T) (IAPWS SR5-05): 26 subregions, the
// boundary equations between them and the choice of subregion.
#include <cmath>

#include "region3.h"
#include "region3_helmholtz.h"
#include "region3_limits.h"
#include "region3_volume_tp.h"
#include "region3_volume_tp_tables.h"
#include "region4.h"
#include "term_sums.h"

namespace if97::region3 {
namespace {

// Pressures where the choice of subregion changes, MPa.
constexpr double kPressure3cd = 19.00881189173929;  // T3cd meets the saturation line
constexpr double kPressure3uvSaturation = 21.93161551;
constexpr double kPressure3wxSaturation = 21.90096265;

double saturationPressureAt643K() {
  static const double p = region4::saturationPressure(643.15);
  return p;
}

// v = v* (sum n ((pi - a)^c)^I ((theta - b)^d)^J)^e with pi = p/p* and
// theta = T/T* (not inverted). c, d, e take only the values below.
enum class Root { none, square, fourth };
enum class Outer { plain, fourthPower, exponential };

struct VolumeEquation {
  double vStar, pStar, TStar, a, b;
  Root pressureRoot;     // c = 1 or 0.5
  Root temperatureRoot;  // d = 1 or 0.25
  Outer outer;           // e = 1, e = 4, or the exponential form of 3n
};

// In the order of the Subregion enumeration.
constexpr VolumeEquation kVolumeEquations[] = {
    {0.0024, 100, 760, 0.085, 0.817, Root::none, Root::none, Outer::plain},          // 3a
    {0.0041, 100, 860, 0.280, 0.779, Root::none, Root::none, Outer::plain},          // 3b
    {0.0022, 40, 690, 0.259, 0.903, Root::none, Root::none, Outer::plain},           // 3c
    {0.0029, 40, 690, 0.559, 0.939, Root::none, Root::none, Outer::fourthPower},     // 3d
    {0.0032, 40, 710, 0.587, 0.918, Root::none, Root::none, Outer::plain},           // 3e
    {0.0064, 40, 730, 0.587, 0.891, Root::square, Root::none, Outer::fourthPower},   // 3f
    {0.0027, 25, 660, 0.872, 0.971, Root::none, Root::none, Outer::fourthPower},     // 3g
    {0.0032, 25, 660, 0.898, 0.983, Root::none, Root::none, Outer::fourthPower},     // 3h
    {0.0041, 25, 660, 0.910, 0.984, Root::square, Root::none, Outer::fourthPower},   // 3i
    {0.0054, 25, 670, 0.875, 0.964, Root::square, Root::none, Outer::fourthPower},   // 3j
    {0.0077, 25, 680, 0.802, 0.935, Root::none, Root::none, Outer::plain},           // 3k
    {0.0026, 24, 650, 0.908, 0.989, Root::none, Root::none, Outer::fourthPower},     // 3l
    {0.0028, 23, 650, 1.000, 0.997, Root::none, Root::fourth, Outer::plain},         // 3m
    {0.0031, 23, 650, 0.976, 0.997, Root::none, Root::none, Outer::exponential},     // 3n
    {0.0034, 23, 650, 0.974, 0.996, Root::square, Root::none, Outer::plain},         // 3o
    {0.0041, 23, 650, 0.972, 0.997, Root::square, Root::none, Outer::plain},         // 3p
    {0.0022, 23, 650, 0.848, 0.983, Root::none, Root::none, Outer::fourthPower},     // 3q
    {0.0054, 23, 650, 0.874, 0.982, Root::none, Root::none, Outer::plain},           // 3r
    {0.0022, 21, 640, 0.886, 0.990, Root::none, Root::none, Outer::fourthPower},     // 3s
    {0.0088, 20, 650, 0.803, 1.020, Root::none, Root::none, Outer::plain},           // 3t
    {0.0026, 23, 650, 0.902, 0.988, Root::none, Root::none, Outer::plain},           // 3u
    {0.0031, 23, 650, 0.960, 0.995, Root::none, Root::none, Outer::plain},           // 3v
    {0.0039, 23, 650, 0.959, 0.995, Root::none, Root::none, Outer::fourthPower},     // 3w
    {0.0049, 23, 650, 0.910, 0.988, Root::none, Root::none, Outer::plain},           // 3x
    {0.0031, 22, 650, 0.996, 0.994, Root::none, Root::none, Outer::fourthPower},     // 3y
    {0.0038, 22, 650, 0.993, 0.994, Root::none, Root::none, Outer::fourthPower},     // 3z
};
static_assert(sizeof kVolumeEquations / sizeof kVolumeEquations[0] == 26, "one equation per subregion");

double rooted(double x, Root root) {
  switch (root) {
    case Root::square:
      return std::sqrt(x);
    case Root::fourth:
      return std::sqrt(std::sqrt(x));
    case Root::none:
      break;
  }
  return x;
}

template <const auto& terms>
double volume(Subregion subregion, double T, double p) {
  const VolumeEquation& eq = kVolumeEquations[static_cast<int>(subregion)];
  const double x = rooted(p / eq.pStar - eq.a, eq.pressureRoot);
  const double y = rooted(T / eq.TStar - eq.b, eq.temperatureRoot);
  const double sum = sumOverTable<terms>(x, y);
  switch (eq.outer) {
    case Outer::fourthPower: {
      const double square = sum * sum;
      return eq.vStar * square * square;
    }
    case Outer::exponential:
      return eq.vStar * std::exp(sum);
    case Outer::plain:
      break;
  }
  return eq.vStar * sum;
}

// T3ef is a straight line through the critical point.
constexpr double kBoundary3efSlope = 3.727888004;  // K/MPa

// Near-critical subregions 3u..3z, for p3sat(643.15 K) < p <= 22.5 MPa and
// T3qu(p) < T <= T3rx(p).
Subregion nearCriticalSubregion(double T, double p) {
  if (p > 22.11) {
    if (T <= boundaryTemperature(SubregionBoundary::uv, p)) return Subregion::u;
    if (T <= boundaryTemperature(SubregionBoundary::ef, p)) return Subregion::v;
    if (T <= boundaryTemperature(SubregionBoundary::wx, p)) return Subregion::w;
    return Subregion::x;
  }
  if (p > kCriticalPressure) {
    if (T <= boundaryTemperature(SubregionBoundary::uv, p)) return Subregion::u;
    if (T <= boundaryTemperature(SubregionBoundary::ef, p)) return Subregion::y;
    if (T <= boundaryTemperature(SubregionBoundary::wx, p)) return Subregion::z;
    return Subregion::x;
  }
  if (T <= region4::saturationTemperature(p)) {
    if (p <= kPressure3uvSaturation) return Subregion::u;
    return T <= boundaryTemperature(SubregionBoundary::uv, p) ? Subregion::u : Subregion::y;
  }
  if (p <= kPressure3wxSaturation) return Subregion::x;
  return T <= boundaryTemperature(SubregionBoundary::wx, p) ? Subregion::z : Subregion::x;
}

}  // namespace

double boundaryTemperature(SubregionBoundary boundary, double p) {
  switch (boundary) {
    case SubregionBoundary::ab:
      return sumOverPowers<kBoundaryT3ab>(std::log(p));
    case SubregionBoundary::cd:
      return sumOverPowers<kBoundaryT3cd>(p);
    case SubregionBoundary::ef:
      return kBoundary3efSlope * (p - kCriticalPressure) + kCriticalTemperature;
    case SubregionBoundary::gh:
      return sumOverPowers<kBoundaryT3gh>(p);
    case SubregionBoundary::ij:
      return sumOverPowers<kBoundaryT3ij>(p);
    case SubregionBoundary::jk:
      return sumOverPowers<kBoundaryT3jk>(p);
    case SubregionBoundary::mn:
      return sumOverPowers<kBoundaryT3mn>(p);
    case SubregionBoundary::op:
      return sumOverPowers<kBoundaryT3op>(std::log(p));
    case SubregionBoundary::qu:
      return sumOverPowers<kBoundaryT3qu>(p);
    case SubregionBoundary::rx:
      return sumOverPowers<kBoundaryT3rx>(p);
    case SubregionBoundary::uv:
      return sumOverPowers<kBoundaryT3uv>(p);
    case SubregionBoundary::wx:
      return sumOverPowers<kBoundaryT3wx>(std::log(p));
  }
  return kNaN;
}

Subregion subregionTp(double T, double p) {
  using B = SubregionBoundary;
  const auto below = [T, p](B boundary) { return T <= boundaryTemperature(boundary, p); };
  if (p > 40.0) return below(B::ab) ? Subregion::a : Subregion::b;
  if (p > 25.0) {
    if (below(B::cd)) return Subregion::c;
    if (below(B::ab)) return Subregion::d;
    if (below(B::ef)) return Subregion::e;
    return Subregion::f;
  }
  if (p > 23.0) {
    if (below(B::cd)) return Subregion::c;
    if (below(B::gh)) return p > 23.5 ? Subregion::g : Subregion::l;
    if (below(B::ef)) return Subregion::h;
    if (below(B::ij)) return Subregion::i;
    if (below(B::jk)) return Subregion::j;
    return Subregion::k;
  }
  if (p > 22.5) {
    if (below(B::cd)) return Subregion::c;
    if (below(B::gh)) return Subregion::l;
    if (below(B::mn)) return Subregion::m;
    if (below(B::ef)) return Subregion::n;
    if (below(B::op)) return Subregion::o;
    if (below(B::ij)) return Subregion::p;
    if (below(B::jk)) return Subregion::j;
    return Subregion::k;
  }
  if (p > saturationPressureAt643K()) {
    if (below(B::cd)) return Subregion::c;
    if (below(B::qu)) return Subregion::q;
    if (below(B::rx)) return nearCriticalSubregion(T, p);
    if (below(B::jk)) return Subregion::r;
    return Subregion::k;
  }
  const double Ts = region4::saturationTemperature(p);
  if (p > 20.5) {
    if (below(B::cd)) return Subregion::c;
    if (T <= Ts) return Subregion::s;
    if (below(B::jk)) return Subregion::r;
    return Subregion::k;
  }
  if (p > kPressure3cd) {
    if (below(B::cd)) return Subregion::c;
    if (T <= Ts) return Subregion::s;
    return Subregion::t;
  }
  return T <= Ts ? Subregion::c : Subregion::t;
}

SaturationSubregions saturationSubregions(double p) {
  if (p <= kPressure3cd) return {Subregion::c, Subregion::t};
  if (p <= 20.5) return {Subregion::s, Subregion::t};
  if (p <= saturationPressureAt643K()) return {Subregion::s, Subregion::r};
  return {p <= kPressure3uvSaturation ? Subregion::u : Subregion::y,
          p <= kPressure3wxSaturation ? Subregion::x : Subregion::z};
}

double specificVolumeInSubregion(Subregion subregion, double T, double p) {
  switch (subregion) {
    case Subregion::a: return volume<kRegion3aVolumeTp>(subregion, T, p);
    case Subregion::b: return volume<kRegion3bVolumeTp>(subregion, T, p);
    case Subregion::c: return volume<kRegion3cVolumeTp>(subregion, T, p);
    case Subregion::d: return volume<kRegion3dVolumeTp>(subregion, T, p);
    case Subregion::e: return volume<kRegion3eVolumeTp>(subregion, T, p);
    case Subregion::f: return volume<kRegion3fVolumeTp>(subregion, T, p);
    case Subregion::g: return volume<kRegion3gVolumeTp>(subregion, T, p);
    case Subregion::h: return volume<kRegion3hVolumeTp>(subregion, T, p);
    case Subregion::i: return volume<kRegion3iVolumeTp>(subregion, T, p);
    case Subregion::j: return volume<kRegion3jVolumeTp>(subregion, T, p);
    case Subregion::k: return volume<kRegion3kVolumeTp>(subregion, T, p);
    case Subregion::l: return volume<kRegion3lVolumeTp>(subregion, T, p);
    case Subregion::m: return volume<kRegion3mVolumeTp>(subregion, T, p);
    case Subregion::n: return volume<kRegion3nVolumeTp>(subregion, T, p);
    case Subregion::o: return volume<kRegion3oVolumeTp>(subregion, T, p);
    case Subregion::p: return volume<kRegion3pVolumeTp>(subregion, T, p);
    case Subregion::q: return volume<kRegion3qVolumeTp>(subregion, T, p);
    case Subregion::r: return volume<kRegion3rVolumeTp>(subregion, T, p);
    case Subregion::s: return volume<kRegion3sVolumeTp>(subregion, T, p);
    case Subregion::t: return volume<kRegion3tVolumeTp>(subregion, T, p);
    case Subregion::u: return volume<kRegion3uVolumeTp>(subregion, T, p);
    case Subregion::v: return volume<kRegion3vVolumeTp>(subregion, T, p);
    case Subregion::w: return volume<kRegion3wVolumeTp>(subregion, T, p);
    case Subregion::x: return volume<kRegion3xVolumeTp>(subregion, T, p);
    case Subregion::y: return volume<kRegion3yVolumeTp>(subregion, T, p);
    case Subregion::z: return volume<kRegion3zVolumeTp>(subregion, T, p);
  }
  return kNaN;
}

namespace backward {

double specificVolumeTp(double T, double p) {
  if (!inRegion3(T, p)) return kNaN;
  return specificVolumeInSubregion(subregionTp(T, p), T, p);
}

}  // namespace backward
}  // namespace if97::region3
