#include "platform/desktop_number_locale.h"

#include <QLocale>

namespace platform {

units::NumberLocale DesktopNumberLocale() {
  const QLocale locale;  // the desktop's, unless the program set a default
  units::NumberLocale numbers;
  numbers.decimalSeparator = locale.decimalPoint().toStdString();
  numbers.groupSeparator = locale.groupSeparator().toStdString();
  return numbers;
}

}  // namespace platform
