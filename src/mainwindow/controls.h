// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main window as plain objects a view can draw and a test
// can drive. A control that carries a value (text, tick, option, selection)
// raises its event whenever that value actually changes, whether the user or
// the program changed it: rules such as the tick rule depend on it. Every
// change of what a control shows is also reported, so a view can follow it;
// the events and that report reach only the window that owns the control.
#ifndef HYDRELIX_MAINWINDOW_CONTROLS_H
#define HYDRELIX_MAINWINDOW_CONTROLS_H

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mainwindow {

enum class ControlKind {
  Frame, Label, TextBox, ComboBox, CheckBox, OptionButton, CommandButton, MenuItem, TrayIcon
};

// Twips, relative to the containing group.
struct Geometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

inline constexpr int16_t kNotInArray = -1;

// The system colours a field's background or a drawn line can take.
enum class SystemColour { WindowBackground, ButtonFace, ButtonShadow, White };

// What about a control changed, for the view to show again.
enum class ControlProperty {
  Text, Selection, Value, ListEntries, ListIndex, Enabled, Locked, Visible, BackColor, Checked
};

class frmMain;

class Control {
 public:
  Control(ControlKind kind, std::string name, int16_t index = kNotInArray);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  int16_t index() const { return index_; }
  // "txtData(43)" for an array member, "cmdMore" otherwise.
  std::string FullName() const;

  std::string caption;
  std::string toolTip;
  std::string tag;
  int tabIndex = -1;
  bool tabStop = false;
  Geometry geometry;
  const Control* container = nullptr;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

 protected:
  void Notify(ControlProperty property) const;

 private:
  friend class frmMain;
  std::function<void(const Control&, ControlProperty)> onStateChange_;
  bool enabled_ = true;
  bool visible_ = true;
  ControlKind kind_;
  std::string name_;
  int16_t index_;
};

class Frame : public Control {
 public:
  using Control::Control;
};

class Label : public Control {
 public:
  Label(std::string name, int16_t index) : Control(ControlKind::Label, std::move(name), index) {}
};

// A value field. The selection is a byte range that always falls on UTF-8
// character boundaries; the caret stands at its end unless the user selected
// towards the start.
class TextBox : public Control {
 public:
  TextBox(std::string name, int16_t index) : Control(ControlKind::TextBox, std::move(name), index) {}

  const std::string& Text() const { return text_; }
  // A write by the program: raises the change event when the text differs,
  // leaves the caret at the start and forgets any edit by the user.
  void SetText(std::string text);

  size_t SelStart() const { return selStart_; }
  size_t SelLength() const { return selLength_; }
  // Where the caret stands: the start or the end of the selection.
  size_t Caret() const { return caretAtStart_ ? selStart_ : selStart_ + selLength_; }
  std::string SelectedText() const;
  void SelectAll();
  // The user put the caret at `caret` and, when `anchor` differs, selected
  // from `anchor` to it. Positions are clamped to the text and moved back to
  // the start of the character they fall into.
  void UserSetSelection(size_t anchor, size_t caret);

  // Edits by the user. Each replaces or removes text at the selection and,
  // when the text changes, marks the field as edited and raises the change
  // event.
  void UserReplaceSelection(std::string_view replacement);
  void UserBackspace();
  void UserDelete();

  // Whether the user has changed the text since the program last wrote it.
  bool EditedByUser() const { return edited_; }
  // The program has taken the text in; it no longer counts as an edit.
  void ForgetEdit() { edited_ = false; }

  // A locked field shows its text and can be focused and selected, but the
  // user cannot change it.
  bool Locked() const { return locked_; }
  void SetLocked(bool locked);
  SystemColour BackColor() const { return backColor_; }
  void SetBackColor(SystemColour colour);

 private:
  friend class frmMain;
  void UserSetText(std::string text, size_t caret);
  void SetSelection(size_t start, size_t length, bool caretAtStart);

  std::function<void()> onChange_;
  std::string text_;
  size_t selStart_ = 0;
  size_t selLength_ = 0;
  bool caretAtStart_ = false;
  bool edited_ = false;
  bool locked_ = false;
  SystemColour backColor_ = SystemColour::WindowBackground;
};

// A drop-down list the user picks from and cannot type into.
class ComboBox : public Control {
 public:
  ComboBox(std::string name, int16_t index) : Control(ControlKind::ComboBox, std::move(name), index) {}

  const std::vector<std::string>& Entries() const { return entries_; }
  // Replaces the entries and drops the selection.
  void SetEntries(std::vector<std::string> entries);
  int ListCount() const { return static_cast<int>(entries_.size()); }
  int ListIndex() const { return listIndex_; }
  // -1 for no selection. A position outside the entries is refused (false).
  // Raises the click event when the selection changes.
  bool SetListIndex(int position);

 private:
  friend class frmMain;
  std::function<void()> onClick_;
  std::vector<std::string> entries_;
  int listIndex_ = -1;
};

class CheckBox : public Control {
 public:
  CheckBox(std::string name, int16_t index) : Control(ControlKind::CheckBox, std::move(name), index) {}

  int Value() const { return value_; }
  // Raises the click event when the value changes.
  void SetValue(int value);

 private:
  friend class frmMain;
  std::function<void()> onClick_;
  int value_ = 0;
};

// One button of a group of which at most one is on.
class OptionButton : public Control {
 public:
  OptionButton(std::string name, int16_t index)
      : Control(ControlKind::OptionButton, std::move(name), index) {}

  bool Value() const { return value_; }
  // Switching a button on switches its group's others off, then raises its
  // click event; nothing happens when it is on already.
  void SetValue(bool on);

  std::vector<OptionButton*> group;

 private:
  friend class frmMain;
  std::function<void()> onClick_;
  bool value_ = false;
};

class CommandButton : public Control {
 public:
  explicit CommandButton(std::string name)
      : Control(ControlKind::CommandButton, std::move(name)) {}
  // The button pressed, by the user or by code.
  void Press();
  // How often it was pressed: several commands press Compute in turn.
  int PressCount() const { return presses_; }

  bool showsIcon = false;

 private:
  friend class frmMain;
  std::function<void()> onClick_;
  int presses_ = 0;
};

class MenuItem : public Control {
 public:
  MenuItem(std::string name, int16_t index = kNotInArray)
      : Control(ControlKind::MenuItem, std::move(name), index) {}

  bool IsSeparator() const { return caption == "-"; }

  std::string shortcut;
  bool checkable = false;
  const MenuItem* menu = nullptr;  // the menu holding this item, none for a menu
  // The item a popup menu shows as its default, in bold.
  bool isDefault = false;

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

 private:
  friend class frmMain;
  std::function<void()> onClick_;
  bool checked_ = false;
};

class TrayIcon : public Control {
 public:
  explicit TrayIcon(std::string name) : Control(ControlKind::TrayIcon, std::move(name)) {}

 private:
  friend class frmMain;
  std::function<void(int button)> onMouseDown_;
};

}  // namespace mainwindow

#endif
