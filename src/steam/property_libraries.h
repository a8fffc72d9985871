// The two property libraries as the calculation sees them: a table of entry
// points per library, or none when the library cannot be had. The program
// binds the real libraries by file name at first use; tests hand in tables of
// their own.
#ifndef HYDRELIX_STEAM_PROPERTY_LIBRARIES_H
#define HYDRELIX_STEAM_PROPERTY_LIBRARIES_H

#include <stm/entry_points.h>

namespace steam {

class PropertyLibraries {
 public:
  virtual ~PropertyLibraries() = default;
  // The IF-97 library (libHydrix.so), or nullptr when it cannot be loaded.
  virtual const stm::HydrixEntryPoints* Hydrix() = 0;
  // The IFC-67 library (libCalorix.so), or nullptr when it cannot be loaded.
  virtual const stm::CalorixEntryPoints* Calorix() = 0;
};

}  // namespace steam

#endif
