// SPDX-License-Identifier: GPL-3.0-or-later
// libHydrix.so bound the way the calculator binds it: dlopen by path, every
// STM_ entry point looked up by name into the calculator's own table.
#ifndef HYDRELIX_TESTS_IF97_HYDRIX_LIBRARY_H
#define HYDRELIX_TESTS_IF97_HYDRIX_LIBRARY_H

#include <stm/dynamic_library.h>
#include <stm/entry_points.h>

#include <cstdint>

namespace if97_test {

using Property1 = double (*)(double);
using Property2 = double (*)(double, double);
using Setter = int16_t (*)(int32_t);
using Limit = double (*)(void);
using Test2 = int16_t (*)(double, double);

// The library handle comes first, so the table can be bound from it.
struct HydrixHandle {
  stm::DynamicLibrary library{HYDRIX_LIBRARY};
};

struct Hydrix : HydrixHandle, stm::HydrixEntryPoints {
  Hydrix() : stm::HydrixEntryPoints(stm::HydrixEntryPoints::Bind(library)) {}

  // The codes the program sets when IF-97 is selected.
  void useProgramUnits() const {
    SetTempUnit(3);
    SetPressUnit(17);
    SetEnthalUnit(31);
    SetEntroUnit(51);
    SetDensityUnit(71);
    SetWetDryUnit(92);
    SetHCUnit(102);
  }
};

}  // namespace if97_test

#endif
