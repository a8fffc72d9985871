#include "analysis/pin_store.h"

namespace analysis {

std::string SaveFailedMessage(const std::string& location) {
  return "The pinned states could not be saved to " + location +
         ". The file keeps the pins it held before; the pins in this window stay until the "
         "program ends.";
}

}  // namespace analysis
