// SPDX-License-Identifier: GPL-3.0-or-later
// The user's number conventions, as far as reading and writing numbers needs
// them. The platform fills one from the desktop's locale; tests make their own.
#ifndef HYDRELIX_UNITS_NUMBER_LOCALE_H
#define HYDRELIX_UNITS_NUMBER_LOCALE_H

#include <string>

namespace units {

struct NumberLocale {
  std::string decimalSeparator = ".";  // UTF-8, usually "." or ","
  std::string groupSeparator = ",";    // UTF-8; may be a non-breaking space
};

}  // namespace units

#endif
