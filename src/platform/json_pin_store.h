// The pinned states kept in a JSON file, by default
// $XDG_DATA_HOME/Hydrelix/pins.json (~/.local/share/Hydrelix/pins.json).
// A save writes a temporary file beside it and renames it over the old one,
// so a crash or a full disk never leaves half a file. A file that cannot be
// read (damaged, not a pins file, or from a newer version of the program) is
// renamed aside and the program starts with no pins.
#ifndef HYDRELIX_PLATFORM_JSON_PIN_STORE_H
#define HYDRELIX_PLATFORM_JSON_PIN_STORE_H

#include "analysis/pin_store.h"

#include <string>

namespace platform {

class JsonPinStore final : public analysis::PinStore {
 public:
  // The file in the user's data folder.
  JsonPinStore();
  explicit JsonPinStore(std::string fileName);

  analysis::PinLoad Load() override;
  bool Save(const analysis::PinnedStates& pins) override;
  std::string Location() const override { return fileName_; }

 private:
  std::string fileName_;
  // The file could not be read nor set aside: it is never written over.
  bool keepFile_ = false;
};

}  // namespace platform

#endif
