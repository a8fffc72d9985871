// libHydrix.so bound the way the calculator binds it: dlopen by path, every
// STM_ entry point looked up by name.
#ifndef HYDRELIX_TESTS_IF97_HYDRIX_LIBRARY_H
#define HYDRELIX_TESTS_IF97_HYDRIX_LIBRARY_H

#include <stm/dynamic_library.h>

#include <cstdint>

namespace if97_test {

using Property1 = double (*)(double);
using Property2 = double (*)(double, double);
using Setter = int16_t (*)(int32_t);
using Limit = double (*)(void);
using Test2 = int16_t (*)(double, double);

struct Hydrix {
  stm::DynamicLibrary library{HYDRIX_LIBRARY};
  Setter SetTempUnit = library.entry<Setter>("STM_SetTempUnit");
  Setter SetPressUnit = library.entry<Setter>("STM_SetPressUnit");
  Setter SetEnthalUnit = library.entry<Setter>("STM_SetEnthalUnit");
  Setter SetEntroUnit = library.entry<Setter>("STM_SetEntroUnit");
  Setter SetDensityUnit = library.entry<Setter>("STM_SetDensityUnit");
  Setter SetWetDryUnit = library.entry<Setter>("STM_SetWetDryUnit");
  Setter SetHCUnit = library.entry<Setter>("STM_SetHCUnit");
  Limit GetMaxTemp = library.entry<Limit>("STM_GetMaxTemp");
  Limit GetMinTemp = library.entry<Limit>("STM_GetMinTemp");
  Limit GetMaxPress = library.entry<Limit>("STM_GetMaxPress");
  Limit GetMinPress = library.entry<Limit>("STM_GetMinPress");
  Property1 sPt = library.entry<Property1>("STM_sPt");
  Property1 sTp = library.entry<Property1>("STM_sTp");
  Property2 sHtx = library.entry<Property2>("STM_sHtx");
  Property2 sStx = library.entry<Property2>("STM_sStx");
  Property2 sDtx = library.entry<Property2>("STM_sDtx");
  Property2 sXph = library.entry<Property2>("STM_sXph");
  Property2 sXps = library.entry<Property2>("STM_sXps");
  Property2 nDtp = library.entry<Property2>("STM_nDtp");
  Property2 nHtp = library.entry<Property2>("STM_nHtp");
  Property2 nStp = library.entry<Property2>("STM_nStp");
  Property2 nCPtp = library.entry<Property2>("STM_nCPtp");
  Property2 nCVtp = library.entry<Property2>("STM_nCVtp");
  Property2 nWtp = library.entry<Property2>("STM_nWtp");
  Property2 nTph = library.entry<Property2>("STM_nTph");
  Property2 nTps = library.entry<Property2>("STM_nTps");
  Test2 IsSat_ph = library.entry<Test2>("STM_IsSat_ph");
  Test2 IsSat_ps = library.entry<Test2>("STM_IsSat_ps");

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
