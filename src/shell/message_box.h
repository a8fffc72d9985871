// A modal message box the model asks the view to show. The model goes on
// once the view returns, as after the user's OK.
#ifndef HYDRELIX_SHELL_MESSAGE_BOX_H
#define HYDRELIX_SHELL_MESSAGE_BOX_H

#include <string>

namespace shell {

enum class MessageIcon { None, Critical, Exclamation, Information };
enum class MessageButtons { Ok };

struct MessageBoxRequest {
  std::string text;
  std::string title;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
};

inline bool operator==(const MessageBoxRequest& a, const MessageBoxRequest& b) {
  return a.text == b.text && a.title == b.title && a.icon == b.icon && a.buttons == b.buttons;
}

const char* IconName(MessageIcon icon);

}  // namespace shell

#endif
