// SPDX-License-Identifier: MIT
// The C entry points of the two steam property libraries.
//
//   libHydrix.so   IAPWS-IF97
//   libCalorix.so  IFC-67 (1967 IFC Formulation for Industrial Use)
//
// Both libraries are declared here once: the libraries define these functions
// and the program's loader looks them up by name. Several names exist in both
// libraries (STM_nStp, STM_SetTempUnit, STM_GetMaxTemp, ...), so no binary may
// link both; each library is bound through its own dlopen handle.
//
// Common conventions
// - A property function takes doubles by value in the order of the letters
//   after its prefix (STM_nHtp: t then p; STM_sWep: e then p) and returns a
//   double. Prefixes: n single-phase state, s saturated state or saturation
//   line, k saturation line (IFC-67). Letters: t temperature, p pressure,
//   h/e enthalpy, s entropy, x/w vapour fraction, D/X specific volume,
//   C heat capacity, W speed of sound.
// - Outside the formulation's validity a property function returns NaN. It
//   never crashes, never hangs and never raises a floating-point trap.
// - A unit setter returns nonzero on success; an unknown code returns 0 and
//   changes nothing. Each library starts with the codes the program sets, so a
//   call made before any set-up already works in the units below.
// - The range functions return the formulation's limits in the current units.
// - The unit settings are process-wide, one set per library. Property calls
//   from several threads at once are safe; a unit setter running beside them
//   is not (a call may then mix the old and the new unit).
//
// Units the program works with (codes it sets)
//   quantity                 IF-97 code        IFC-67 code
//   temperature              3  deg F          3  deg F
//   pressure                 17 atm            16 atm
//   enthalpy                 31 J/kg           22 J/kg
//   entropy                  51 J/(kg K)       32 J/(kg K)
//   specific volume          71 m3/kg          41 m3/kg
//   vapour fraction          92 0..1           52 0..1
//   heat capacity            102 kJ/(kg K)     62 J/(kg K)
// The other codes each library accepts are listed in its own header.
#ifndef HYDRELIX_STM_API_H
#define HYDRELIX_STM_API_H

#include <stdint.h>

#if defined(__GNUC__)
#define STM_EXPORT __attribute__((visibility("default")))
#else
#define STM_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

// ---- Entry points of both libraries ---------------------------------------

STM_EXPORT int16_t STM_SetTempUnit(int32_t code);
STM_EXPORT int16_t STM_SetPressUnit(int32_t code);
STM_EXPORT int16_t STM_SetWetDryUnit(int32_t code);

STM_EXPORT double STM_GetMaxTemp(void);
STM_EXPORT double STM_GetMinTemp(void);
STM_EXPORT double STM_GetMaxPress(void);
STM_EXPORT double STM_GetMinPress(void);

STM_EXPORT double STM_nStp(double t, double p);

// ---- libHydrix.so (IAPWS-IF97) ----------------------------------------------
//
// Unit codes beside the program's: libs/if97/include/if97/unit_codes.h.
// STM_nWtp always returns m/s.
//
// Ends of the saturation line:
// - STM_sTp above the critical pressure returns the critical temperature, so a
//   supercritical state above it counts as vapour-like and below it as
//   liquid-like. Below ps(273.15 K) = 611.213 Pa it returns 273.15 K, so
//   in-range vapour at very low pressure counts as vapour. ps(273.15 K)
//   itself (and a pressure a rounding below it) is on the line: there the
//   wet states have their vapour fraction and 273.15 K.
// - STM_sPt above the critical temperature returns NaN.
// - Within about 3e-5 K of the critical temperature (1e-5 MPa of pc) the
//   equation's vapour branch does not reach ps(T) at T: it first does a hair
//   higher, by up to 2e-9 K. There STM_sDtx, STM_sHtx and STM_sStx at x = 1
//   are that first vapour state on the isobar ps(T), at x = 0 the liquid at
//   T. Between T and that temperature the (t, p) functions give the liquid
//   branch, the only one there. At STM_sTp(p) they give one of the two ends
//   (the liquid where the temperature converts back to at most Ts), always
//   finite (cp very large), and so anywhere within 1e-9 K and 1e-9 MPa of
//   the critical point.
//
// States from (p, h) and (p, s), below the critical pressure:
// - The saturated ends are h'(p) and h''(p) (s'(p), s''(p)), compared with
//   the input in the current unit: up to 623.15 K the values at (Ts(p), p)
//   converted to it; above, exactly what STM_sHtx (STM_sStx) returns at
//   STM_sTp(p) and x = 0 and 1. STM_IsSat_ph (ps) is 1 from the one end to
//   the other, both included, and 0 outside.
// - Within 1e-4 MPa of pc the saturated states move with a rounding of the
//   pressure (the isotherms are that flat): the liquid at (Ts, p) can lie up
//   to 1 J/kg below the one at (Ts, ps(Ts)), and the vapour branch on the
//   isobar p can start up to 40 J/kg above h''. The two-phase region there
//   runs from the lower liquid to the higher vapour end, so it holds
//   STM_sHtx(STM_sTp(p), 0 and 1) and may reach a little beyond them.
// - STM_nTph and STM_nTps of a two-phase state return STM_sTp(p); of a
//   single-phase state above h''(p) (s''(p)) a temperature strictly above
//   STM_sTp(p) in the current unit, and below h'(p) (s'(p)) one at or below
//   it. Its h (s) by the (t, p) functions is the input to 1e-9 relative, or,
//   within 1e-3 K and 1e-2 MPa of the critical point, where h (s) can step by
//   more than that between neighbouring temperatures, the nearest there is.
//   Within about 1e-7 MPa of pc h (s) there is itself noisy by a few such
//   steps, and T can fall by a few ulps along the isobar. Elsewhere T rises
//   along the isobar to within the rounding of its last Newton step: between
//   values less than about 1e-12 apart (relative; for s near 0, 1e-11
//   J/(kg K)) it can fall by a few ulps, in region 3 by up to 1e-10 K;
//   between values farther apart it never falls.
// - At that temperature every (t, p) function (STM_nDtp, STM_nHtp, STM_nStp,
//   STM_nCPtp, STM_nCVtp, STM_nWtp) evaluates the phase the state was given:
//   where the unit's rounding would put it a hair across the line those
//   functions draw (they compare p with ps(t)), the temperature is moved, in
//   the current unit, to the nearest value they place on the state's side.
// - STM_sXph and STM_sXps are clamped to [0, 1] (never -0, never 1 + eps);
//   NaN at or above the critical pressure and below ps(273.15 K).
//
// Seams and ends of the range, at any pressure:
// - Regions meet with small jumps in h and s. Above ps(623.15 K) an h (s)
//   between region 1's value at 623.15 K and region 3's gets 623.15 K on
//   region 1's side (the (t, p) functions then evaluate region 1), and one
//   between region 3's and region 2's at TB23(p) gets TB23(p). T(p, h) and
//   T(p, s) rise along every isobar.
// - At 273.15 K, 1073.15 K (above 50 MPa) and 2273.15 K an h or s within a
//   few ulps beyond the value at the limit (the library's own, come back
//   through the units) gets the limit; further out it is NaN. A limit
//   returned is a value the (t, p) functions accept: where 1073.15 K converts
//   to a unit value that reads back above it, the value just below is
//   returned.
// - A temperature or pressure within 1e-12 relative outside a limit of the
//   range (or below ps(273.15 K)) counts as that limit.

STM_EXPORT int16_t STM_SetEnthalUnit(int32_t code);
STM_EXPORT int16_t STM_SetEntroUnit(int32_t code);
STM_EXPORT int16_t STM_SetDensityUnit(int32_t code);
STM_EXPORT int16_t STM_SetHCUnit(int32_t code);

STM_EXPORT double STM_sPt(double t);
STM_EXPORT double STM_sTp(double p);
STM_EXPORT double STM_sHtx(double t, double x);
STM_EXPORT double STM_sStx(double t, double x);
STM_EXPORT double STM_sDtx(double t, double x);
STM_EXPORT double STM_sXph(double p, double h);
STM_EXPORT double STM_sXps(double p, double s);
STM_EXPORT double STM_nDtp(double t, double p);
STM_EXPORT double STM_nHtp(double t, double p);
STM_EXPORT double STM_nCPtp(double t, double p);
STM_EXPORT double STM_nCVtp(double t, double p);
STM_EXPORT double STM_nWtp(double t, double p);
STM_EXPORT double STM_nTph(double p, double h);
STM_EXPORT double STM_nTps(double p, double s);
STM_EXPORT int16_t STM_IsSat_ph(double p, double h);
STM_EXPORT int16_t STM_IsSat_ps(double p, double s);

// ---- libCalorix.so (IFC-67) -------------------------------------------------
//
// One unit per quantity, so each setter accepts its program code only; the
// units of 72, 82 and 91 (W/(m K), Pa s, N/m) are in
// libs/ifc67/stm/calorix_units.h. The setters keep no state: any entry point,
// a setter too, may run beside any other on several threads. A temperature
// within 1e-9 K of 32.018 F or 1472 F counts as that limit.
//
// Ends of the saturation line:
// - STM_kTp above the critical pressure returns the critical temperature;
//   below the saturation pressure at 273.16 K it returns 273.16 K.
// - STM_kPt above the critical temperature returns NaN.
// - STM_sEpw and STM_sSpw above the critical pressure return the critical-point
//   values; below the lowest saturation pressure they evaluate at 273.16 K.
// - STM_sWep and STM_sWsp are clamped to [0, 1] below the critical pressure
//   (never -0) and are NaN above it or outside the range; at exactly the
//   critical pressure they are 0 or 1. They measure e and s against the
//   values STM_sEpw and STM_sSpw return at p, so that those give exactly 0
//   and 1.
//
// STM_2Tep and STM_nTsp:
// - At and above the critical pressure, and below ps(273.16 K) (0.0060325
//   atm), both cover every state from 32.018 F to 1472 F.
// - Between, the value is placed against STM_sEpw(p, 1), STM_sSpw(p, 0) and
//   STM_sSpw(p, 1) as they return them, to the last bit. STM_2Tep covers
//   superheated vapour, e >= STM_sEpw(p, 1) (1 - 1e-8), and is NaN below:
//   the (t, p) functions' vapour just above the line can have e up to 2e-9
//   below STM_sEpw(p, 1), and an e in the allowance is the saturated vapour.
//   STM_nTsp returns STM_kTp(p) for s from STM_sSpw(p, 0) to STM_sSpw(p, 1),
//   both included, and a liquid or a vapour temperature outside.
// - A liquid temperature is at or below STM_kTp(p), a vapour one (any e
//   STM_2Tep covers) at or above it. Either is the solution or, if STM_nXtp,
//   STM_nEtp, STM_nStp and STM_nCtp evaluate that on the other side of the
//   line, the first deg F value beyond it toward its own side that they
//   evaluate on its side. They place t against ps(t), which disagrees with
//   Ts(p) within about 1e-11 K of the line: e = STM_sEpw(p, 1) may give up
//   to 3e-11 F above STM_kTp(p), 1.8e-9 F just above ps(273.16 K), where
//   everything within 1e-9 K of 32.018 F evaluates at 32.018 F.
// - Along an isobar the temperature never falls as e or s rises, not even
//   between values an ulp apart. A value inside one of the formulation's
//   jumps (at 662 F, on the boundary line of subregions 2 and 3) gives the
//   temperature of the jump to within 1e-9 K. Where the liquid's h falls at
//   662 F (above ps(662 F), by up to 150 J/kg), an e up to the liquid's at
//   662 F gives the liquid's temperature, at or below 662 F. Where h or s
//   falls across the boundary line (by up to 240 J/kg and 0.28 J/(kg K)), a
//   value up to subregion 3's at the line gives subregion 3's temperature,
//   below the line.
// - A value within 9e-16 relative (a few ulps) of the one at 32.018 F or
//   1472 F, on either side, returns that limit exactly; farther beyond the
//   range, NaN.

STM_EXPORT int16_t STM_SetEntlUnit(int32_t code);
STM_EXPORT int16_t STM_SetEntrUnit(int32_t code);
STM_EXPORT int16_t STM_SetVolUnit(int32_t code);
STM_EXPORT int16_t STM_SetHeatCapUnit(int32_t code);
STM_EXPORT int16_t STM_SetThermalConUnit(int32_t code);
STM_EXPORT int16_t STM_SetDynamicVisUnit(int32_t code);
STM_EXPORT int16_t STM_SetSurTensionUnit(int32_t code);

STM_EXPORT double STM_kPt(double t);
STM_EXPORT double STM_kTp(double p);
STM_EXPORT double STM_sEtw(double t, double w);
STM_EXPORT double STM_sStw(double t, double w);
STM_EXPORT double STM_sXtw(double t, double w);
STM_EXPORT double STM_sEpw(double p, double w);
STM_EXPORT double STM_sSpw(double p, double w);
STM_EXPORT double STM_sWep(double e, double p);
STM_EXPORT double STM_sWsp(double s, double p);
STM_EXPORT double STM_2Tep(double e, double p);
STM_EXPORT double STM_nEtp(double t, double p);
STM_EXPORT double STM_nXtp(double t, double p);
STM_EXPORT double STM_nCtp(double t, double p);
STM_EXPORT double STM_nTsp(double s, double p);

#ifdef __cplusplus
}  // extern "C"
#endif

#endif  // HYDRELIX_STM_API_H
