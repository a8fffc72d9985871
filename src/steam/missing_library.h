// The one message for a property library that cannot be loaded: it names the
// file and the folder it was looked for in, so the user can put it back. Every
// view shows the same text, at the first use of the library and at each
// calculation that needs it.
#ifndef HYDRELIX_STEAM_MISSING_LIBRARY_H
#define HYDRELIX_STEAM_MISSING_LIBRARY_H

#include "steam/message.h"

#include <string>

namespace steam {

Message MissingLibraryMessage(const std::string& file, const std::string& folder);

}  // namespace steam

#endif
