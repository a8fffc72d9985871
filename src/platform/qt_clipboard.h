// The system clipboard behind the model's Clipboard.
#ifndef HYDRELIX_PLATFORM_QT_CLIPBOARD_H
#define HYDRELIX_PLATFORM_QT_CLIPBOARD_H

#include "shell/clipboard.h"

namespace platform {

class QtClipboard final : public shell::Clipboard {
 public:
  bool Clear() override;
  void SetText(const std::string& text) override;
  std::string GetText() const override;
};

}  // namespace platform

#endif
