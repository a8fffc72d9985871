// Constants and coefficient tables of the 1967 IFC Formulation for Industrial
// Use, in the order and with the indices of the formulation. Everything inside
// the library works in reduced variables (theta = T/Tc1, beta = p/pc1,
// chi = v/vc1); the reducing constants below carry the API's units.
#ifndef IFC67_COEFFICIENTS_H
#define IFC67_COEFFICIENTS_H

#include "hydrelix/ifc67.h"

namespace ifc67 {

// Reducing constants, in the units of the C++ API (Tc1 and pc1 are public).
constexpr double kCriticalVolume = 3.17e-3;      // vc1, m3/kg
// pc1 vc1 in kJ/kg (70120.4 J/kg) and pc1 vc1 / Tc1 in kJ/(kg K): the scales
// of the reduced Gibbs and Helmholtz functions. Computed, never rounded.
constexpr double kEnergyScale = kCriticalPressure * kCriticalVolume * 1000.0;
constexpr double kEntropyScale = kEnergyScale / kCriticalTemperature;

constexpr double kSubregion1MaxTemperature = 623.15;  // T1
constexpr double kSubregion3MaxTemperature = 863.15;  // T2: above it, subregion 2 only

constexpr double kTheta1 = kSubregion1MaxTemperature / kCriticalTemperature;

// I1 = R Tc1 / (pc1 vc1), as published (not recomputed from R).
constexpr double kI1 = 4.260321148;

// Saturation line (K-function): k1..k9, index 0 unused.
constexpr double kSaturationK[10] = {
    0.0,
    -7.691234564E+00, -2.608023696E+01, -1.681706546E+02, 6.423285504E+01,
    -1.189646225E+02, 4.167117320E+00,  2.097506760E+01,  1.0E+09,
    6.0E+00};

// Boundary between subregions 2 and 3 (L-function): L0, L1, L2.
constexpr double kBoundaryL[3] = {1.574373327E+01, -3.417061978E+01, 1.931380707E+01};

// Subregion 1: A0..A22 and the auxiliary constants a1..a12 (index 0 unused).
constexpr double kSubregion1A[23] = {
    6.824687741E+03,  -5.422063673E+02, -2.096666205E+04, 3.941286787E+04,
    -6.733277739E+04, 9.902381028E+04,  -1.093911774E+05, 8.590841667E+04,
    -4.511168742E+04, 1.418138926E+04,  -2.017271113E+03, 7.982692717E+00,
    -2.616571843E-02, 1.522411790E-03,  2.284279054E-02,  2.421647003E+02,
    1.269716088E-10,  2.074838328E-07,  2.174020350E-08,  1.105710498E-09,
    1.293441934E+01,  1.308119072E-05,  6.047626338E-14};
constexpr double kSubregion1a[13] = {
    0.0,
    8.438375405E-01, 5.362162162E-04, 1.720000000E+00, 7.342278489E-02,
    4.975858870E-02, 6.537154300E-01, 1.150000000E-06, 1.510800000E-05,
    1.418800000E-01, 7.002753165E+00, 2.995284926E-04, 2.040000000E-01};

// Subregion 2.
constexpr double kSubregion2b = 7.633333333E-01;  // X = exp(b (1 - theta))
constexpr double kSubregion2B0 = 1.683599274E+01;
constexpr double kSubregion2B0Lambda[6] = {  // B01..B05, index 0 unused
    0.0, 2.856067796E+01, -5.438923329E+01, 4.330662834E-01, -6.547711697E-01,
    8.565182058E-02};

// One term B X^z of the sums S_mu, or b X^x of the denominators M_mu.
struct PowerTerm {
  double coefficient;
  int exponent;
};
// B_mu,t with their powers of X for mu = 1..8 (row mu - 1), up to three terms;
// unused slots have a zero coefficient and exponent.
constexpr PowerTerm kSubregion2B[8][3] = {
    {{6.670375918E-02, 13}, {1.388983801E+00, 3}, {0.0, 0}},
    {{8.390104328E-02, 18}, {2.614670893E-02, 2}, {-3.373439453E-02, 1}},
    {{4.520918904E-01, 18}, {1.069036614E-01, 10}, {0.0, 0}},
    {{-5.975336707E-01, 25}, {-8.847535804E-02, 14}, {0.0, 0}},
    {{5.958051609E-01, 32}, {-5.159303373E-01, 28}, {2.075021122E-01, 24}},
    {{1.190610271E-01, 12}, {-9.867174132E-02, 11}, {0.0, 0}},
    {{1.683998803E-01, 24}, {-5.809438001E-02, 18}, {0.0, 0}},
    {{6.552390126E-03, 24}, {5.710218649E-04, 14}, {0.0, 0}}};
// b_mu,t of the denominators for mu = 6, 7, 8 (row mu - 6).
constexpr PowerTerm kSubregion2Denominator[3][2] = {
    {{4.006073948E-01, 14}, {0.0, 0}},
    {{8.636081627E-02, 19}, {0.0, 0}},
    {{-8.532322921E-01, 54}, {3.460208861E-01, 27}}};
// B90..B96 of the term that contains the L-function.
constexpr double kSubregion2B9[7] = {1.936587558E+02,  -1.388522425E+03, 4.126607219E+03,
                                     -6.508211677E+03, 5.745984054E+03,  -2.693088365E+03,
                                     5.235718623E+02};

// Subregion 3: C_group,nu. Rows hold the second index from 0; groups 1 to 3
// start at nu = 1 and end with their logarithmic coefficient (C17, C28, C310).
constexpr double kSubregion3C0[13] = {
    -6.839900000E+00, -1.722604200E-02, -7.771750390E+00, 4.204607520E+00,
    -2.768070380E+00, 2.104197070E+00,  -1.146495880E+00, 2.231380850E-01,
    1.162503630E-01,  -8.209005440E-02, 1.941292390E-02,  -1.694705760E-03,
    -4.311577033E+00};
constexpr double kSubregion3C1[8] = {0.0,
                                     7.086360850E-01,  1.236794550E+01, -1.203890040E+01,
                                     5.404374220E+00,  -9.938650430E-01, 6.275231820E-02,
                                     -7.747430160E+00};
constexpr double kSubregion3C2[9] = {0.0,
                                     -4.298850920E+00, 4.314305380E+01, -1.416193130E+01,
                                     4.041724590E+00,  1.555463260E+00, -1.665689350E+00,
                                     3.248811580E-01,  2.936553250E+01};
constexpr double kSubregion3C3[11] = {0.0,
                                      7.948418420E-06, 8.088597470E+01, -8.361533800E+01,
                                      3.586365170E+01, 7.518959540E+00, -1.261606400E+01,
                                      1.097174620E+00, 2.121454920E+00, -5.465295660E-01,
                                      8.328754130E+00};
constexpr double kSubregion3C4[2] = {2.759717760E-06, -5.090739850E-04};
constexpr double kSubregion3C50 = 2.106363320E+02;
constexpr double kSubregion3C6[5] = {5.528935335E-02, -2.336365955E-01, 3.697071420E-01,
                                     -2.596415470E-01, 6.828087013E-02};
constexpr double kSubregion3C7[9] = {-2.571600553E+02, -1.518783715E+02, 2.220723208E+01,
                                     -1.802039570E+02, 2.357096220E+03,  -1.462335698E+04,
                                     4.542916630E+04,  -7.053556432E+04, 4.381571428E+04};

// Subregion 4 addition: D3nu, D4nu (nu = 0..4) and D5nu (nu = 0..2).
constexpr double kSubregion4D3[5] = {-1.717616747E+00, 3.526389875E+00, -2.690899373E+00,
                                     9.070982605E-01, -1.138791156E-01};
constexpr double kSubregion4D4[5] = {1.301023613E+00, -2.642777743E+00, 1.996765362E+00,
                                     -6.661557013E-01, 8.270860589E-02};
constexpr double kSubregion4D5[3] = {3.426663535E-04, -1.236521258E-03, 1.155018309E-03};

}  // namespace ifc67

#endif  // IFC67_COEFFICIENTS_H
