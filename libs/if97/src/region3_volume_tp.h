// SPDX-License-Identifier: MIT
// The region 3 backward equations v(p, T) by subregion, for the density solves
// that start from them. Not part of the library's interface.
#ifndef HYDRELIX_IF97_REGION3_VOLUME_TP_H
#define HYDRELIX_IF97_REGION3_VOLUME_TP_H

namespace if97::region3 {

enum class Subregion { a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q, r, s, t, u, v, w, x, y, z };

// Boundaries between subregions, T(p) in K: named by the two subregions.
enum class SubregionBoundary { ab, cd, ef, gh, ij, jk, mn, op, qu, rx, uv, wx };
double boundaryTemperature(SubregionBoundary boundary, double p);

// The subregion of a region 3 state (T in K, p in MPa); the caller has checked
// that (T, p) lies in region 3.
Subregion subregionTp(double T, double p);

// The subregions whose equations reach the saturation line at p (MPa) from
// the liquid and from the vapour side: the start of the saturated densities.
struct SaturationSubregions {
  Subregion liquid, vapour;
};
SaturationSubregions saturationSubregions(double p);

// v(p, T) in m3/kg from the equation of one subregion, wherever the caller
// wants it (the saturated densities take their start values from subregions
// the state only borders on). NaN where the equation's arguments have no real
// root.
double specificVolumeInSubregion(Subregion subregion, double T, double p);

}  // namespace if97::region3

#endif
