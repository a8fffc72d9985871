// The 3a/3b split of the (p, h) and (p, s) backward equations, shared by the
// backward equations and the exact (p, h), (p, s) solutions.
#ifndef HYDRELIX_IF97_REGION3_BACKWARD_PH_PS_H
#define HYDRELIX_IF97_REGION3_BACKWARD_PH_PS_H

namespace if97::region3 {

// Critical entropy, kJ/(kg K): subregion 3a lies at or below it.
constexpr double kCriticalEntropy = 4.41202148223476;

// h3ab(p) in kJ/kg: the critical isentrope as h(p); 3a lies at or below it.
double criticalIsentropeEnthalpy(double p);

bool isSubregion3aPh(double p, double h);
bool isSubregion3aPs(double s);

}  // namespace if97::region3

#endif
