#include "mainwindow/controls.h"

#include <utility>

namespace mainwindow {

namespace {

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

size_t PreviousCharacterStart(const std::string& text, size_t position) {
  if (position == 0) return 0;
  --position;
  while (position > 0 && IsContinuationByte(text[position])) --position;
  return position;
}

size_t NextCharacterEnd(const std::string& text, size_t position) {
  if (position >= text.size()) return text.size();
  ++position;
  while (position < text.size() && IsContinuationByte(text[position])) ++position;
  return position;
}

}  // namespace

Control::Control(ControlKind kind, std::string name, int16_t index)
    : kind_(kind), name_(std::move(name)), index_(index) {}

std::string Control::FullName() const {
  if (index_ == kNotInArray) return name_;
  return name_ + "(" + std::to_string(index_) + ")";
}

void TextBox::SetText(std::string text) {
  edited_ = false;
  if (text == text_) return;
  text_ = std::move(text);
  selStart_ = 0;
  selLength_ = 0;
  if (onChange) onChange();
}

std::string TextBox::SelectedText() const { return text_.substr(selStart_, selLength_); }

void TextBox::SelectAll() {
  selStart_ = 0;
  selLength_ = text_.size();
}

void TextBox::UserSetText(std::string text, size_t caret) {
  selStart_ = caret;
  selLength_ = 0;
  if (text == text_) return;
  text_ = std::move(text);
  edited_ = true;
  if (onChange) onChange();
}

void TextBox::UserReplaceSelection(std::string_view replacement) {
  std::string text = text_.substr(0, selStart_);
  text.append(replacement);
  const size_t caret = text.size();
  text.append(text_, selStart_ + selLength_, std::string::npos);
  UserSetText(std::move(text), caret);
}

void TextBox::UserBackspace() {
  if (selLength_ > 0) {
    UserReplaceSelection({});
    return;
  }
  const size_t from = PreviousCharacterStart(text_, selStart_);
  UserSetText(text_.substr(0, from) + text_.substr(selStart_), from);
}

void TextBox::UserDelete() {
  if (selLength_ > 0) {
    UserReplaceSelection({});
    return;
  }
  const size_t to = NextCharacterEnd(text_, selStart_);
  UserSetText(text_.substr(0, selStart_) + text_.substr(to), selStart_);
}

bool ComboBox::SetListIndex(int position) {
  if (position < -1 || position >= ListCount()) return false;
  if (position == listIndex_) return true;
  listIndex_ = position;
  if (onClick) onClick();
  return true;
}

void CheckBox::SetValue(int value) {
  if (value == value_) return;
  value_ = value;
  if (onClick) onClick();
}

void OptionButton::SetValue(bool on) {
  if (on == value_) return;
  value_ = on;
  if (!on) return;
  for (OptionButton* other : group) {
    if (other != this) other->value_ = false;
  }
  if (onClick) onClick();
}

void CommandButton::Press() const {
  if (onClick) onClick();
}

}  // namespace mainwindow
