// The user's number conventions as the desktop's locale gives them: the
// decimal separator the fields read and write, and the digit grouping that
// reading ignores.
#ifndef HYDRELIX_PLATFORM_DESKTOP_NUMBER_LOCALE_H
#define HYDRELIX_PLATFORM_DESKTOP_NUMBER_LOCALE_H

#include "units/number_locale.h"

namespace platform {

units::NumberLocale DesktopNumberLocale();

}  // namespace platform

#endif
