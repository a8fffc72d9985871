// The text clipboard the Edit menu works on. The desktop binds the system's;
// tests and the scenario runner use the one kept in memory.
#ifndef HYDRELIX_SHELL_CLIPBOARD_H
#define HYDRELIX_SHELL_CLIPBOARD_H

#include <string>

namespace shell {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // False when the clipboard could not be emptied. The other calls may throw
  // a std::exception when the system's clipboard is unavailable.
  virtual bool Clear() = 0;
  virtual void SetText(const std::string& text) = 0;
  // Empty when the clipboard holds no text.
  virtual std::string GetText() const = 0;
};

class InMemoryClipboard : public Clipboard {
 public:
  bool Clear() override {
    text_.clear();
    return true;
  }
  void SetText(const std::string& text) override { text_ = text; }
  std::string GetText() const override { return text_; }

 private:
  std::string text_;
};

}  // namespace shell

#endif
