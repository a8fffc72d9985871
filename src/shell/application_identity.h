// Who the program is: the texts its windows, message boxes, tray icon and
// settings store show or use.
#ifndef HYDRELIX_SHELL_APPLICATION_IDENTITY_H
#define HYDRELIX_SHELL_APPLICATION_IDENTITY_H

namespace shell {

struct ApplicationIdentity {
  // Also the settings store's application name, several message boxes'
  // caption and the tray icon's tooltip.
  const char* title;
  int major;
  int minor;
  int revision;
  const char* fileDescription;
  const char* trademarks;
  const char* companyName;
  const char* copyright;
};

inline constexpr ApplicationIdentity kIdentity{
    "Hydrelix",
    1,
    1,
    3,
    "Hydrelix is a steam and water property calculator for engineering and technical "
    "professionals.",
    "",
    "Hydrelix Engineering Software",
    "Copyright (c) 2026 Hydrelix Engineering Software. All rights reserved.",
};

}  // namespace shell

#endif
