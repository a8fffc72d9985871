#include "region_selection.h"

namespace if97 {

Region regionTp(double T, double p) { return regionOf(T, p); }

}  // namespace if97
