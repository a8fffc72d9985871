#include "steam/missing_library.h"

namespace steam {

Message MissingLibraryMessage(const std::string& file, const std::string& folder) {
  const std::string where = folder.empty() ? std::string("the program's folder") : folder;
  return {"The property library " + file + " could not be loaded from " + where +
              ".\nThe calculation needs it: put the file back there or reinstall Hydrelix.",
          "", MessageIcon::Critical};
}

}  // namespace steam
