// Where pinned states are kept between runs, and what the pins file holds.
//
// The file is JSON, UTF-8:
//   { "content": "Hydrelix pinned states", "version": 1,
//     "differences": "reference" | "previous",
//     "reference": <row, absent until the user sets one>,
//     "pins": [ { "name": "P1", "formulation": "IAPWS-IF97" | "IFC-67",
//                 "inputs": "T, p" ..., and the six values in working units
//                 under the keys below } ] }
// A store writes a whole new file and replaces the old one only once it is
// complete, and sets aside a file it cannot read rather than overwrite it.
#ifndef HYDRELIX_ANALYSIS_PIN_STORE_H
#define HYDRELIX_ANALYSIS_PIN_STORE_H

#include "analysis/pinned_states.h"

#include <string>

namespace analysis {

inline constexpr const char* kPinFileContent = "Hydrelix pinned states";
inline constexpr int kPinFileVersion = 1;

// The keys of a pin's values, in working units.
inline constexpr const char* kPinTemperatureKey = "temperature_degF";
inline constexpr const char* kPinPressureKey = "pressure_psia";
inline constexpr const char* kPinQualityKey = "quality";
inline constexpr const char* kPinEnthalpyKey = "enthalpy_Btu_per_lbmol";
inline constexpr const char* kPinEntropyKey = "entropy_Btu_per_lbmol_R";
inline constexpr const char* kPinVolumeKey = "volume_ft3_per_lbmol";

struct PinLoad {
  PinnedStates pins;
  // Empty, or what the user is told once: the file could not be read, where
  // it was set aside, and that the program starts with no pins.
  std::string notice;
};

class PinStore {
 public:
  virtual ~PinStore() = default;
  // The pins kept, none when there is no file yet.
  virtual PinLoad Load() = 0;
  // True once the file holds the pins; false leaves the file as it was.
  virtual bool Save(const PinnedStates& pins) = 0;
  // Where the pins are kept, for the messages.
  virtual std::string Location() const = 0;
};

// The message of a save that failed.
std::string SaveFailedMessage(const std::string& location);

}  // namespace analysis

#endif
