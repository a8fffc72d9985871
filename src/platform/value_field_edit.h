// The line edit that shows a value field. It changes no text of its own:
// typing, its shortcuts and its context menu go to the model, and the text
// and selection it shows are the model's. Drag and drop, input methods and
// the X11 middle-button paste are off, since they would edit behind the
// model's back.
#ifndef HYDRELIX_PLATFORM_VALUE_FIELD_EDIT_H
#define HYDRELIX_PLATFORM_VALUE_FIELD_EDIT_H

#include <QLineEdit>

#include <functional>

namespace platform {

enum class FieldCommand { Cut, Copy, Paste, Delete, SelectAll };

class ValueFieldEdit final : public QLineEdit {
  Q_OBJECT

 public:
  explicit ValueFieldEdit(QWidget* parent);

  // What the context menu's items ask for.
  std::function<void(FieldCommand)> onCommand;
  // A locked field refuses changes: its context menu offers Copy and Select
  // All, with Cut, Paste and Delete shown disabled.
  void SetLocked(bool locked) { locked_ = locked; }
  bool Locked() const { return locked_; }

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // The click that brought the focus leaves the model's select-all standing
  // instead of placing the caret.
  bool swallowingFocusClick_ = false;
  bool locked_ = false;
};

// Positions in a field's text: the view counts UTF-16 units, the model bytes
// of UTF-8.
int Utf16Position(const std::string& text, size_t bytes);
size_t Utf8Position(const QString& text, int position);

}  // namespace platform

#endif
