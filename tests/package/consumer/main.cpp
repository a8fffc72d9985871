#include <hydrelix/if97.h>
#include <hydrelix/ifc67.h>

#include <cstdio>

int main() {
  std::printf("h(300 K, 3 MPa) = %.6f kJ/kg\n", if97::specificEnthalpy(300.0, 3.0));
  std::printf("IFC-67 h(300 K, 3 MPa) = %.6f kJ/kg\n", ifc67::specificEnthalpy(300.0, 3.0));
}
