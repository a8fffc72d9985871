// The version line the splash and About windows show: "Version " and the
// major, minor and revision numbers as plain whole numbers.
#ifndef HYDRELIX_APP_VERSION_TEXT_H
#define HYDRELIX_APP_VERSION_TEXT_H

#include "shell/application_identity.h"

#include <string>

namespace app {

inline std::string VersionText(const shell::ApplicationIdentity& identity = shell::kIdentity) {
  return "Version " + std::to_string(identity.major) + "." + std::to_string(identity.minor) +
         "." + std::to_string(identity.revision);
}

}  // namespace app

#endif
