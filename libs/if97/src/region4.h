// IAPWS-IF97 region 4: the saturation line as one quadratic in
// theta = T + n9 / (T - n10) and beta = p^(1/4), solved either way.
#ifndef HYDRELIX_IF97_REGION4_H
#define HYDRELIX_IF97_REGION4_H

namespace if97::region4 {

// MPa, for 273.15 K <= T <= 647.096 K; NaN outside.
double saturationPressure(double T);

// K, for ps(273.15 K) <= p <= 22.064 MPa; NaN outside.
double saturationTemperature(double p);

// The lowest pressure of the saturation line, ps(273.15 K), in MPa.
double lowestSaturationPressure();

// ps(623.15 K), where the saturation line enters region 3, in MPa.
double region3SaturationPressure();

}  // namespace if97::region4

#endif
