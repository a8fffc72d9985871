#include "shell/message_box.h"

namespace shell {

const char* IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Critical: return "critical";
    case MessageIcon::Exclamation: return "exclamation";
    case MessageIcon::Information: return "information";
    case MessageIcon::None: break;
  }
  return "none";
}

}  // namespace shell
