#include "platform/value_field_edit.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QMenu>
#include <QMouseEvent>

namespace platform {

ValueFieldEdit::ValueFieldEdit(QWidget* parent) : QLineEdit(parent) {
  setDragEnabled(false);
  setAcceptDrops(false);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setFocusPolicy(Qt::ClickFocus);
}

void ValueFieldEdit::focusInEvent(QFocusEvent* event) {
  swallowingFocusClick_ = event->reason() == Qt::MouseFocusReason;
  QLineEdit::focusInEvent(event);
}

void ValueFieldEdit::mousePressEvent(QMouseEvent* event) {
  // The middle button pastes the X11 selection in a QLineEdit.
  if (event->button() == Qt::MiddleButton) return;
  if (swallowingFocusClick_ && event->button() == Qt::LeftButton) return;
  swallowingFocusClick_ = false;
  QLineEdit::mousePressEvent(event);
}

void ValueFieldEdit::mouseMoveEvent(QMouseEvent* event) {
  if (swallowingFocusClick_) return;
  QLineEdit::mouseMoveEvent(event);
}

void ValueFieldEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) return;
  if (swallowingFocusClick_) {
    swallowingFocusClick_ = false;
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void ValueFieldEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  swallowingFocusClick_ = false;
  QLineEdit::mouseDoubleClickEvent(event);
}

// QLineEdit's own menu would edit the text itself, Undo included.
void ValueFieldEdit::contextMenuEvent(QContextMenuEvent* event) {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const struct {
    const char* caption;
    FieldCommand command;
  } items[] = {{"Cu&t", FieldCommand::Cut},
               {"&Copy", FieldCommand::Copy},
               {"&Paste", FieldCommand::Paste},
               {"Delete", FieldCommand::Delete},
               {"Select All", FieldCommand::SelectAll}};
  for (const auto& item : items) {
    if (item.command == FieldCommand::SelectAll) menu->addSeparator();
    const FieldCommand command = item.command;
    QAction* action = menu->addAction(item.caption, this, [this, command] {
      if (onCommand) onCommand(command);
    });
    const bool changesText = command == FieldCommand::Cut || command == FieldCommand::Paste ||
                             command == FieldCommand::Delete;
    action->setEnabled(!(locked_ && changesText));
  }
  menu->popup(event->globalPos());
}

void ValueFieldEdit::inputMethodEvent(QInputMethodEvent* event) { event->ignore(); }

int Utf16Position(const std::string& text, size_t bytes) {
  return static_cast<int>(QString::fromUtf8(text.data(), static_cast<qsizetype>(
                                                              std::min(bytes, text.size())))
                              .size());
}

size_t Utf8Position(const QString& text, int position) {
  return static_cast<size_t>(text.left(position).toUtf8().size());
}

}  // namespace platform
