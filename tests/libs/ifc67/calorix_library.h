// SPDX-License-Identifier: GPL-3.0-or-later
// libCalorix.so bound through dlopen, as the calculator binds it.
#ifndef IFC67_TESTS_CALORIX_LIBRARY_H
#define IFC67_TESTS_CALORIX_LIBRARY_H

#include <cstdint>

#include "stm/dynamic_library.h"
#include "stm/entry_points.h"

namespace ifc67_test {

// The library handle comes first, so the table can be bound from it.
struct CalorixHandle {
  stm::DynamicLibrary library{CALORIX_LIBRARY};
};

struct CalorixLibrary : CalorixHandle, stm::CalorixEntryPoints {
  using Property1 = double (*)(double);
  using Property2 = double (*)(double, double);
  using Setter = int16_t (*)(int32_t);
  using Range = double (*)();

  CalorixLibrary() : stm::CalorixEntryPoints(stm::CalorixEntryPoints::Bind(library)) {}

  bool complete() const {
    return kPt && kTp && sEtw && sStw && sXtw && sEpw && sSpw && sWep && sWsp && twoTep && nEtp && nStp &&
           nXtp && nCtp && nTsp && GetMaxTemp && GetMinTemp && GetMaxPress && GetMinPress;
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
