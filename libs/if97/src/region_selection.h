// Which equation covers a single-phase (T, p) state, and the saturation
// pressure at 623.15 K where the region 1/2 and region 3 parts of the
// saturation line meet.
#ifndef HYDRELIX_IF97_REGION_SELECTION_H
#define HYDRELIX_IF97_REGION_SELECTION_H

#include <if97/if97.h>

namespace if97 {

// ps(623.15 K), about 16.5292 MPa.
double region13SaturationPressure();

}  // namespace if97

#endif
