// libCalorix.so bound through dlopen, as the calculator binds it.
#ifndef IFC67_TESTS_CALORIX_LIBRARY_H
#define IFC67_TESTS_CALORIX_LIBRARY_H

#include <cstdint>

#include "stm/dynamic_library.h"

namespace ifc67_test {

struct CalorixLibrary {
  using Property1 = double (*)(double);
  using Property2 = double (*)(double, double);
  using Setter = int16_t (*)(int32_t);
  using Range = double (*)();

  stm::DynamicLibrary library{CALORIX_LIBRARY};

  template <typename Fn>
  Fn get(const char* name) const { return library.entry<Fn>(name); }

  Property1 kPt = get<Property1>("STM_kPt");
  Property1 kTp = get<Property1>("STM_kTp");
  Property2 sEtw = get<Property2>("STM_sEtw");
  Property2 sStw = get<Property2>("STM_sStw");
  Property2 sXtw = get<Property2>("STM_sXtw");
  Property2 sEpw = get<Property2>("STM_sEpw");
  Property2 sSpw = get<Property2>("STM_sSpw");
  Property2 sWep = get<Property2>("STM_sWep");
  Property2 sWsp = get<Property2>("STM_sWsp");
  Property2 twoTep = get<Property2>("STM_2Tep");
  Property2 nEtp = get<Property2>("STM_nEtp");
  Property2 nStp = get<Property2>("STM_nStp");
  Property2 nXtp = get<Property2>("STM_nXtp");
  Property2 nCtp = get<Property2>("STM_nCtp");
  Property2 nTsp = get<Property2>("STM_nTsp");
  Range maxTemp = get<Range>("STM_GetMaxTemp");
  Range minTemp = get<Range>("STM_GetMinTemp");
  Range maxPress = get<Range>("STM_GetMaxPress");
  Range minPress = get<Range>("STM_GetMinPress");

  bool complete() const {
    return kPt && kTp && sEtw && sStw && sXtw && sEpw && sSpw && sWep && sWsp && twoTep && nEtp && nStp &&
           nXtp && nCtp && nTsp && maxTemp && minTemp && maxPress && minPress;
  }
};

// One binding for the whole test program.
inline const CalorixLibrary& calorix() {
  static const CalorixLibrary library;
  return library;
}

// Library units <-> API units.
inline double kelvin(double fahrenheit) { return (fahrenheit - 32.0) / 1.8 + 273.15; }
inline double fahrenheit(double kelvin) { return (kelvin - 273.15) * 1.8 + 32.0; }
inline double megapascal(double atmospheres) { return atmospheres * 0.101325; }

}  // namespace ifc67_test

#endif  // IFC67_TESTS_CALORIX_LIBRARY_H
