// The two property libraries as the calculation sees them: a table of entry
// points per library, or none when the library cannot be had. The program
// binds the real libraries by file name at first use; tests hand in tables of
// their own.
#ifndef HYDRELIX_STEAM_PROPERTY_LIBRARIES_H
#define HYDRELIX_STEAM_PROPERTY_LIBRARIES_H

#include <stm/entry_points.h>

#include <string>

namespace steam {

inline constexpr const char* kHydrixFile = "libHydrix.so";
inline constexpr const char* kCalorixFile = "libCalorix.so";

class PropertyLibraries {
 public:
  virtual ~PropertyLibraries() = default;
  // The IF-97 library (libHydrix.so), or nullptr when it cannot be loaded.
  virtual const stm::HydrixEntryPoints* Hydrix() = 0;
  // The IFC-67 library (libCalorix.so), or nullptr when it cannot be loaded.
  virtual const stm::CalorixEntryPoints* Calorix() = 0;
  // The folder the libraries are looked for in, for the message that names a
  // missing one; empty when the tables come from elsewhere.
  virtual std::string Folder() const { return {}; }
};

}  // namespace steam

#endif
