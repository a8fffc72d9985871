// SPDX-License-Identifier: GPL-3.0-or-later
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

size_t CharacterStartAtOrBefore(const std::string& text, size_t position) {
  if (position >= text.size()) return text.size();
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

void Control::Notify(ControlProperty property) const {
  if (onStateChange_) onStateChange_(*this, property);
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Notify(ControlProperty::Enabled);
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Notify(ControlProperty::Visible);
}

// The view is told of the text before the change event runs, so a handler
// that writes other fields never has the view show them ahead of this one.
void TextBox::SetText(std::string text) {
  edited_ = false;
  if (text == text_) return;
  text_ = std::move(text);
  selStart_ = 0;
  selLength_ = 0;
  caretAtStart_ = false;
  Notify(ControlProperty::Text);
  if (onChange_) onChange_();
}

std::string TextBox::SelectedText() const { return text_.substr(selStart_, selLength_); }

void TextBox::SetSelection(size_t start, size_t length, bool caretAtStart) {
  if (length == 0) caretAtStart = false;
  if (start == selStart_ && length == selLength_ && caretAtStart == caretAtStart_) return;
  selStart_ = start;
  selLength_ = length;
  caretAtStart_ = caretAtStart;
  Notify(ControlProperty::Selection);
}

void TextBox::SelectAll() { SetSelection(0, text_.size(), false); }

void TextBox::UserSetSelection(size_t anchor, size_t caret) {
  anchor = CharacterStartAtOrBefore(text_, anchor);
  caret = CharacterStartAtOrBefore(text_, caret);
  if (caret < anchor) {
    SetSelection(caret, anchor - caret, true);
  } else {
    SetSelection(anchor, caret - anchor, false);
  }
}

void TextBox::SetLocked(bool locked) {
  if (locked == locked_) return;
  locked_ = locked;
  Notify(ControlProperty::Locked);
}

void TextBox::SetBackColor(SystemColour colour) {
  if (colour == backColor_) return;
  backColor_ = colour;
  Notify(ControlProperty::BackColor);
}

void TextBox::UserSetText(std::string text, size_t caret) {
  if (text == text_) {
    SetSelection(caret, 0, false);
    return;
  }
  text_ = std::move(text);
  selStart_ = caret;
  selLength_ = 0;
  caretAtStart_ = false;
  edited_ = true;
  Notify(ControlProperty::Text);
  if (onChange_) onChange_();
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

void ComboBox::SetEntries(std::vector<std::string> entries) {
  entries_ = std::move(entries);
  listIndex_ = -1;
  Notify(ControlProperty::ListEntries);
}

bool ComboBox::SetListIndex(int position) {
  if (position < -1 || position >= ListCount()) return false;
  if (position == listIndex_) return true;
  listIndex_ = position;
  Notify(ControlProperty::ListIndex);
  if (onClick_) onClick_();
  return true;
}

void CheckBox::SetValue(int value) {
  if (value == value_) return;
  value_ = value;
  Notify(ControlProperty::Value);
  if (onClick_) onClick_();
}

void OptionButton::SetValue(bool on) {
  if (on == value_) return;
  value_ = on;
  Notify(ControlProperty::Value);
  if (!on) return;
  for (OptionButton* other : group) {
    if (other == this || !other->value_) continue;
    other->value_ = false;
    other->Notify(ControlProperty::Value);
  }
  if (onClick_) onClick_();
}

void CommandButton::Press() {
  ++presses_;
  if (onClick_) onClick_();
}

void MenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Notify(ControlProperty::Checked);
}

}  // namespace mainwindow
