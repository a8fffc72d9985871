// SPDX-License-Identifier: MIT
// The entry points of each property library that the calculator calls, as
// one table of function pointers per library, bound by name from a library
// opened with DynamicLibrary. The pointer types are those of stm_api.h, so a
// prototype changed there cannot drift from the binding. An entry point the
// library lacks stays nullptr.
#ifndef HYDRELIX_STM_ENTRY_POINTS_H
#define HYDRELIX_STM_ENTRY_POINTS_H

#include "stm/dynamic_library.h"
#include "stm/stm_api.h"

namespace stm {

// libHydrix.so, IAPWS-IF97.
struct HydrixEntryPoints {
  decltype(&STM_SetTempUnit) SetTempUnit = nullptr;
  decltype(&STM_SetPressUnit) SetPressUnit = nullptr;
  decltype(&STM_SetEnthalUnit) SetEnthalUnit = nullptr;
  decltype(&STM_SetEntroUnit) SetEntroUnit = nullptr;
  decltype(&STM_SetDensityUnit) SetDensityUnit = nullptr;
  decltype(&STM_SetWetDryUnit) SetWetDryUnit = nullptr;
  decltype(&STM_SetHCUnit) SetHCUnit = nullptr;
  decltype(&STM_GetMaxTemp) GetMaxTemp = nullptr;
  decltype(&STM_GetMinTemp) GetMinTemp = nullptr;
  decltype(&STM_GetMaxPress) GetMaxPress = nullptr;
  decltype(&STM_GetMinPress) GetMinPress = nullptr;
  decltype(&STM_sPt) sPt = nullptr;
  decltype(&STM_sTp) sTp = nullptr;
  decltype(&STM_sHtx) sHtx = nullptr;
  decltype(&STM_sStx) sStx = nullptr;
  decltype(&STM_sDtx) sDtx = nullptr;
  decltype(&STM_sXph) sXph = nullptr;
  decltype(&STM_sXps) sXps = nullptr;
  decltype(&STM_nDtp) nDtp = nullptr;
  decltype(&STM_nHtp) nHtp = nullptr;
  decltype(&STM_nStp) nStp = nullptr;
  decltype(&STM_nCPtp) nCPtp = nullptr;
  decltype(&STM_nCVtp) nCVtp = nullptr;
  decltype(&STM_nWtp) nWtp = nullptr;
  decltype(&STM_nTph) nTph = nullptr;
  decltype(&STM_nTps) nTps = nullptr;
  decltype(&STM_IsSat_ph) IsSat_ph = nullptr;
  decltype(&STM_IsSat_ps) IsSat_ps = nullptr;

  static HydrixEntryPoints Bind(const DynamicLibrary& library) {
    HydrixEntryPoints e;
    e.SetTempUnit = library.entry<decltype(e.SetTempUnit)>("STM_SetTempUnit");
    e.SetPressUnit = library.entry<decltype(e.SetPressUnit)>("STM_SetPressUnit");
    e.SetEnthalUnit = library.entry<decltype(e.SetEnthalUnit)>("STM_SetEnthalUnit");
    e.SetEntroUnit = library.entry<decltype(e.SetEntroUnit)>("STM_SetEntroUnit");
    e.SetDensityUnit = library.entry<decltype(e.SetDensityUnit)>("STM_SetDensityUnit");
    e.SetWetDryUnit = library.entry<decltype(e.SetWetDryUnit)>("STM_SetWetDryUnit");
    e.SetHCUnit = library.entry<decltype(e.SetHCUnit)>("STM_SetHCUnit");
    e.GetMaxTemp = library.entry<decltype(e.GetMaxTemp)>("STM_GetMaxTemp");
    e.GetMinTemp = library.entry<decltype(e.GetMinTemp)>("STM_GetMinTemp");
    e.GetMaxPress = library.entry<decltype(e.GetMaxPress)>("STM_GetMaxPress");
    e.GetMinPress = library.entry<decltype(e.GetMinPress)>("STM_GetMinPress");
    e.sPt = library.entry<decltype(e.sPt)>("STM_sPt");
    e.sTp = library.entry<decltype(e.sTp)>("STM_sTp");
    e.sHtx = library.entry<decltype(e.sHtx)>("STM_sHtx");
    e.sStx = library.entry<decltype(e.sStx)>("STM_sStx");
    e.sDtx = library.entry<decltype(e.sDtx)>("STM_sDtx");
    e.sXph = library.entry<decltype(e.sXph)>("STM_sXph");
    e.sXps = library.entry<decltype(e.sXps)>("STM_sXps");
    e.nDtp = library.entry<decltype(e.nDtp)>("STM_nDtp");
    e.nHtp = library.entry<decltype(e.nHtp)>("STM_nHtp");
    e.nStp = library.entry<decltype(e.nStp)>("STM_nStp");
    e.nCPtp = library.entry<decltype(e.nCPtp)>("STM_nCPtp");
    e.nCVtp = library.entry<decltype(e.nCVtp)>("STM_nCVtp");
    e.nWtp = library.entry<decltype(e.nWtp)>("STM_nWtp");
    e.nTph = library.entry<decltype(e.nTph)>("STM_nTph");
    e.nTps = library.entry<decltype(e.nTps)>("STM_nTps");
    e.IsSat_ph = library.entry<decltype(e.IsSat_ph)>("STM_IsSat_ph");
    e.IsSat_ps = library.entry<decltype(e.IsSat_ps)>("STM_IsSat_ps");
    return e;
  }
};

// libCalorix.so, IFC-67.
struct CalorixEntryPoints {
  decltype(&STM_SetTempUnit) SetTempUnit = nullptr;
  decltype(&STM_SetPressUnit) SetPressUnit = nullptr;
  decltype(&STM_SetEntlUnit) SetEntlUnit = nullptr;
  decltype(&STM_SetEntrUnit) SetEntrUnit = nullptr;
  decltype(&STM_SetVolUnit) SetVolUnit = nullptr;
  decltype(&STM_SetWetDryUnit) SetWetDryUnit = nullptr;
  decltype(&STM_SetHeatCapUnit) SetHeatCapUnit = nullptr;
  decltype(&STM_SetThermalConUnit) SetThermalConUnit = nullptr;
  decltype(&STM_SetDynamicVisUnit) SetDynamicVisUnit = nullptr;
  decltype(&STM_SetSurTensionUnit) SetSurTensionUnit = nullptr;
  decltype(&STM_GetMaxTemp) GetMaxTemp = nullptr;
  decltype(&STM_GetMinTemp) GetMinTemp = nullptr;
  decltype(&STM_GetMaxPress) GetMaxPress = nullptr;
  decltype(&STM_GetMinPress) GetMinPress = nullptr;
  decltype(&STM_kPt) kPt = nullptr;
  decltype(&STM_kTp) kTp = nullptr;
  decltype(&STM_sEtw) sEtw = nullptr;
  decltype(&STM_sStw) sStw = nullptr;
  decltype(&STM_sXtw) sXtw = nullptr;
  decltype(&STM_sEpw) sEpw = nullptr;
  decltype(&STM_sSpw) sSpw = nullptr;
  decltype(&STM_sWep) sWep = nullptr;
  decltype(&STM_sWsp) sWsp = nullptr;
  decltype(&STM_2Tep) twoTep = nullptr;
  decltype(&STM_nEtp) nEtp = nullptr;
  decltype(&STM_nStp) nStp = nullptr;
  decltype(&STM_nXtp) nXtp = nullptr;
  decltype(&STM_nCtp) nCtp = nullptr;
  decltype(&STM_nTsp) nTsp = nullptr;

  static CalorixEntryPoints Bind(const DynamicLibrary& library) {
    CalorixEntryPoints e;
    e.SetTempUnit = library.entry<decltype(e.SetTempUnit)>("STM_SetTempUnit");
    e.SetPressUnit = library.entry<decltype(e.SetPressUnit)>("STM_SetPressUnit");
    e.SetEntlUnit = library.entry<decltype(e.SetEntlUnit)>("STM_SetEntlUnit");
    e.SetEntrUnit = library.entry<decltype(e.SetEntrUnit)>("STM_SetEntrUnit");
    e.SetVolUnit = library.entry<decltype(e.SetVolUnit)>("STM_SetVolUnit");
    e.SetWetDryUnit = library.entry<decltype(e.SetWetDryUnit)>("STM_SetWetDryUnit");
    e.SetHeatCapUnit = library.entry<decltype(e.SetHeatCapUnit)>("STM_SetHeatCapUnit");
    e.SetThermalConUnit = library.entry<decltype(e.SetThermalConUnit)>("STM_SetThermalConUnit");
    e.SetDynamicVisUnit = library.entry<decltype(e.SetDynamicVisUnit)>("STM_SetDynamicVisUnit");
    e.SetSurTensionUnit = library.entry<decltype(e.SetSurTensionUnit)>("STM_SetSurTensionUnit");
    e.GetMaxTemp = library.entry<decltype(e.GetMaxTemp)>("STM_GetMaxTemp");
    e.GetMinTemp = library.entry<decltype(e.GetMinTemp)>("STM_GetMinTemp");
    e.GetMaxPress = library.entry<decltype(e.GetMaxPress)>("STM_GetMaxPress");
    e.GetMinPress = library.entry<decltype(e.GetMinPress)>("STM_GetMinPress");
    e.kPt = library.entry<decltype(e.kPt)>("STM_kPt");
    e.kTp = library.entry<decltype(e.kTp)>("STM_kTp");
    e.sEtw = library.entry<decltype(e.sEtw)>("STM_sEtw");
    e.sStw = library.entry<decltype(e.sStw)>("STM_sStw");
    e.sXtw = library.entry<decltype(e.sXtw)>("STM_sXtw");
    e.sEpw = library.entry<decltype(e.sEpw)>("STM_sEpw");
    e.sSpw = library.entry<decltype(e.sSpw)>("STM_sSpw");
    e.sWep = library.entry<decltype(e.sWep)>("STM_sWep");
    e.sWsp = library.entry<decltype(e.sWsp)>("STM_sWsp");
    e.twoTep = library.entry<decltype(e.twoTep)>("STM_2Tep");
    e.nEtp = library.entry<decltype(e.nEtp)>("STM_nEtp");
    e.nStp = library.entry<decltype(e.nStp)>("STM_nStp");
    e.nXtp = library.entry<decltype(e.nXtp)>("STM_nXtp");
    e.nCtp = library.entry<decltype(e.nCtp)>("STM_nCtp");
    e.nTsp = library.entry<decltype(e.nTsp)>("STM_nTsp");
    return e;
  }
};

}  // namespace stm

#endif  // HYDRELIX_STM_ENTRY_POINTS_H
