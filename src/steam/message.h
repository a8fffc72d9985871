// SPDX-License-Identifier: GPL-3.0-or-later
// A message the calculation asks the window to show in a modal box with an
// OK button, before it goes on.
#ifndef HYDRELIX_STEAM_MESSAGE_H
#define HYDRELIX_STEAM_MESSAGE_H

#include <string>

namespace steam {

enum class MessageIcon { None, Critical, Exclamation };

struct Message {
  std::string text;
  // Empty for the application's own title.
  std::string title;
  MessageIcon icon = MessageIcon::None;
};

inline bool operator==(const Message& a, const Message& b) {
  return a.text == b.text && a.title == b.title && a.icon == b.icon;
}

}  // namespace steam

#endif
