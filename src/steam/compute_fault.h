// How a compute stops before its end, and the checked calls that raise it.
// Inside the calculation a fault is thrown; Compute catches it and turns it
// into the one failure the window shows.
#ifndef HYDRELIX_STEAM_COMPUTE_FAULT_H
#define HYDRELIX_STEAM_COMPUTE_FAULT_H

#include "steam/message.h"
#include "steam/missing_library.h"
#include "steam/property_libraries.h"

#include <cmath>

namespace steam {

struct ComputeFault {
  enum class Kind {
    // A missing entry point, or a non-finite result of the program's own
    // arithmetic: the failure path without a message.
    Silent,
    // A library answered NaN: the state lies outside its formulation.
    OutsideFormulation,
    // A case refused its inputs, or a library could not be loaded, with
    // `message`.
    Rejected,
  };
  Kind kind;
  Message message;
};

[[noreturn]] inline void FailSilently() { throw ComputeFault{ComputeFault::Kind::Silent, {}}; }
[[noreturn]] inline void FailOutsideFormulation() {
  throw ComputeFault{ComputeFault::Kind::OutsideFormulation, {}};
}

// An entry point called as it is; one the library lacks is a silent fault.
template <typename Entry, typename... Args>
auto CallEntry(Entry entry, Args... args) {
  if (entry == nullptr) FailSilently();
  return entry(args...);
}

// A property from a library: NaN means the state is outside the formulation.
template <typename Entry, typename... Args>
double LibraryValue(Entry entry, Args... args) {
  const double value = CallEntry(entry, args...);
  if (!std::isfinite(value)) FailOutsideFormulation();
  return value;
}

// A result of the program's own arithmetic, which must be a true number.
inline double Checked(double value) {
  if (!std::isfinite(value)) FailSilently();
  return value;
}

// A library that cannot be loaded refuses the calculation with the message
// that names it, each time a calculation needs it.
[[noreturn]] inline void FailLibraryMissing(PropertyLibraries& libraries, const char* file) {
  throw ComputeFault{ComputeFault::Kind::Rejected,
                     MissingLibraryMessage(file, libraries.Folder())};
}

inline const stm::HydrixEntryPoints& RequireHydrix(PropertyLibraries& libraries) {
  const stm::HydrixEntryPoints* entries = libraries.Hydrix();
  if (entries == nullptr) FailLibraryMissing(libraries, kHydrixFile);
  return *entries;
}

inline const stm::CalorixEntryPoints& RequireCalorix(PropertyLibraries& libraries) {
  const stm::CalorixEntryPoints* entries = libraries.Calorix();
  if (entries == nullptr) FailLibraryMissing(libraries, kCalorixFile);
  return *entries;
}

}  // namespace steam

#endif
