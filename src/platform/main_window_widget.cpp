#include "platform/main_window_widget.h"

#include "platform/captioned_frame.h"
#include "platform/stays_on_top.h"
#include "platform/value_field_edit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace platform {

using mainwindow::CheckBox;
using mainwindow::ComboBox;
using mainwindow::CommandButton;
using mainwindow::Control;
using mainwindow::ControlKind;
using mainwindow::ControlProperty;
using mainwindow::Key;
using mainwindow::MenuItem;
using mainwindow::OptionButton;
using mainwindow::SystemColour;
using mainwindow::TextBox;

namespace {

constexpr int kTwipsPerPixel = 15;

int Pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

QRect PixelRect(const mainwindow::Geometry& g) {
  return {Pixels(g.left), Pixels(g.top), Pixels(g.width), Pixels(g.height)};
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

QColor ColourOf(SystemColour colour, const QPalette& palette) {
  switch (colour) {
    case SystemColour::WindowBackground: return palette.color(QPalette::Base);
    case SystemColour::ButtonFace: return palette.color(QPalette::Button);
    case SystemColour::ButtonShadow: return palette.color(QPalette::Dark);
    case SystemColour::White: return Qt::white;
  }
  return palette.color(QPalette::Base);
}

// Alt with a letter or a digit, without Ctrl: the access key it names in
// lower case, or 0.
char32_t AccessKeyOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers =
      event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
  if (modifiers != Qt::AltModifier) return 0;
  const int key = event.key();
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<char32_t>('a' + (key - Qt::Key_A));
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<char32_t>('0' + (key - Qt::Key_0));
  return 0;
}

// The client area below the menu bar; the model paints its etched line.
class ClientArea final : public QWidget {
 public:
  ClientArea(MainWindowWidget& window, QSize size) : QWidget(&window), window_(window) {
    setFixedSize(size);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    window_.PaintClientArea(painter);
  }

 private:
  MainWindowWidget& window_;
};

}  // namespace

// While the view shows a change of the model, the signals its widgets raise
// are the model's own change coming back, not the user's.
class MainWindowWidget::Reflecting {
 public:
  explicit Reflecting(MainWindowWidget& window) : window_(window) { ++window_.reflecting_; }
  ~Reflecting() { --window_.reflecting_; }
  Reflecting(const Reflecting&) = delete;
  Reflecting& operator=(const Reflecting&) = delete;

 private:
  MainWindowWidget& window_;
};

MainWindowWidget::MainWindowWidget(mainwindow::frmMain& form, TrayIconHost& tray,
                                   ShellWindows& shell)
    : QMainWindow(nullptr,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                      Qt::WindowCloseButtonHint),
      form_(form),
      tray_(tray),
      shell_(shell) {
  setObjectName("frmMain");
  setWindowIcon(ProgramIcon());
  // The captions were laid out for a small, narrow dialog font: at 15 twips a
  // pixel they fit only a condensed face of about eight points.
  QFont dialogFont("DejaVu Sans Condensed");
  dialogFont.setPixelSize(11);
  setFont(dialogFont);
  const QRect area = PixelRect(form_.clientArea);
  client_ = new ClientArea(*this, area.size());
  setCentralWidget(client_);
  BuildControls();
  BuildMenus();
  // Fixed single border: the window is exactly its menu bar and client area.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  installEventFilter(this);
  connect(&tray_, &TrayIconHost::mouseDown, this, &MainWindowWidget::ReportTrayMouseDown);
  ReflectEverything();
  form_.AttachView(*this);
}

MainWindowWidget::~MainWindowWidget() {
  // The model outlives the view in tests; it must not call a view that is gone.
  static mainwindow::NoView nothing;
  form_.AttachView(nothing);
}

QIcon MainWindowWidget::ProgramIcon() { return QIcon(":/icons/hydrelix.png"); }

QWidget* MainWindowWidget::WidgetOf(const Control& control) const {
  const auto found = widgets_.find(&control);
  return found != widgets_.end() ? found->second : nullptr;
}

QAction* MainWindowWidget::ActionOf(const MenuItem& item) const {
  const auto found = actions_.find(&item);
  return found != actions_.end() ? found->second : nullptr;
}

QWidget* MainWindowWidget::ContainerOf(const Control& control) const {
  if (control.container == nullptr) return client_;
  QWidget* container = WidgetOf(*control.container);
  return container != nullptr ? container : client_;
}

Control* MainWindowWidget::ControlOf(const QObject* object) const {
  const auto found = controlsByWidget_.find(object);
  return found != controlsByWidget_.end() ? found->second : nullptr;
}

void MainWindowWidget::Watch(QWidget& widget, Control& control) {
  // The model decides what an access key does (HandleAccessKey); the
  // toolkit's own mnemonic would cycle between a control and a menu with the
  // same key, or act behind a refused entry.
  if (auto* button = qobject_cast<QAbstractButton*>(&widget)) button->setShortcut(QKeySequence());
  widgets_[&control] = &widget;
  controlsByWidget_[&widget] = &control;
  widget.setObjectName(Text(control.FullName()));
  widget.setGeometry(PixelRect(control.geometry));
  if (!control.toolTip.empty()) widget.setToolTip(Text(control.toolTip));
  widget.installEventFilter(this);
}

void MainWindowWidget::BuildControls() {
  for (Control* control : form_.Controls()) {
    QWidget* parent = ContainerOf(*control);
    switch (control->kind()) {
      case ControlKind::Frame: {
        auto* box = new CaptionedFrame(Text(control->caption), parent);
        Watch(*box, *control);
        break;
      }
      case ControlKind::Label: {
        auto* label = new QLabel(Text(control->caption), parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Watch(*label, *control);
        break;
      }
      case ControlKind::TextBox: {
        auto& field = static_cast<TextBox&>(*control);
        auto* edit = new ValueFieldEdit(parent);
        Watch(*edit, field);
        auto report = [this, &field, edit] { ReportSelection(field, *edit); };
        connect(edit, &QLineEdit::cursorPositionChanged, this, report);
        connect(edit, &QLineEdit::selectionChanged, this, report);
        edit->onCommand = [this, &field](FieldCommand command) {
          if (RaiseOpenModalWindow()) return;
          switch (command) {
            case FieldCommand::Cut: form_.UserClick(form_.mnuEditCut); break;
            case FieldCommand::Copy: form_.UserClick(form_.mnuEditCopy); break;
            case FieldCommand::Paste: form_.UserClick(form_.mnuEditPaste); break;
            case FieldCommand::Delete: form_.CutCopyPaste("Delete"); break;
            case FieldCommand::SelectAll:
              form_.UserSetSelection(field, 0, field.Text().size());
              break;
          }
        };
        break;
      }
      case ControlKind::ComboBox: {
        auto& list = static_cast<ComboBox&>(*control);
        auto* combo = new QComboBox(parent);
        combo->setFocusPolicy(Qt::ClickFocus);
        combo->setEditable(false);
        Watch(*combo, list);
        connect(combo, QOverload<int>::of(&QComboBox::activated), this, [this, &list](int i) {
          form_.UserSelect(list, i);
          Reflect(list, ControlProperty::ListIndex);
        });
        break;
      }
      case ControlKind::CheckBox: {
        auto& tick = static_cast<CheckBox&>(*control);
        auto* box = new QCheckBox(Text(tick.caption), parent);
        box->setFocusPolicy(Qt::ClickFocus);
        Watch(*box, tick);
        connect(box, &QCheckBox::clicked, this, [this, &tick] {
          form_.UserClick(tick);
          Reflect(tick, ControlProperty::Value);
        });
        break;
      }
      case ControlKind::OptionButton: {
        auto& option = static_cast<OptionButton&>(*control);
        auto* button = new QRadioButton(Text(option.caption), parent);
        button->setFocusPolicy(Qt::ClickFocus);
        // The model switches the group's other buttons off.
        button->setAutoExclusive(false);
        Watch(*button, option);
        connect(button, &QRadioButton::clicked, this, [this, &option] {
          form_.UserClick(option);
          for (OptionButton* member : option.group) Reflect(*member, ControlProperty::Value);
        });
        break;
      }
      case ControlKind::CommandButton: {
        auto& command = static_cast<CommandButton&>(*control);
        auto* button = new QPushButton(Text(command.caption), parent);
        button->setFocusPolicy(Qt::ClickFocus);
        button->setAutoDefault(false);
        if (command.showsIcon) {
          const char* icon = &command == &form_.cmdMore ? ":/icons/more_digits.png"
                                                        : ":/icons/less_digits.png";
          button->setIcon(QIcon(icon));
          button->setIconSize(QSize(32, 32));
        }
        Watch(*button, command);
        connect(button, &QPushButton::clicked, this, [this, &command] { form_.UserClick(command); });
        break;
      }
      case ControlKind::MenuItem:
      case ControlKind::TrayIcon:
        break;
    }
  }
}

void MainWindowWidget::BuildMenus() {
  QMenu* menu = nullptr;
  for (Control* control : form_.Controls()) {
    if (control->kind() != ControlKind::MenuItem) continue;
    auto& item = static_cast<MenuItem&>(*control);
    if (item.menu == nullptr) {
      // The tray popup is a menu of the window that only the tray shows: out
      // of the menu bar, it takes no access key from the controls.
      if (&item == &form_.mnuTrayPopup) {
        menu = new QMenu(Text(item.caption), this);
        trayMenu_ = menu;
      } else {
        menu = menuBar()->addMenu(Text(item.caption));
      }
      menu->setObjectName(Text(item.FullName()));
      actions_[&item] = menu->menuAction();
      continue;
    }
    QAction* action = item.IsSeparator() ? menu->addSeparator() : menu->addAction(Text(item.caption));
    action->setObjectName(Text(item.FullName()));
    actions_[&item] = action;
    if (item.IsSeparator()) continue;
    if (!item.shortcut.empty()) action->setShortcut(QKeySequence(Text(item.shortcut)));
    action->setCheckable(item.checkable);
    if (item.isDefault) menu->setDefaultAction(action);
    connect(action, &QAction::triggered, this, [this, &item] {
      if (item.menu == &form_.mnuTrayPopup && RaiseOpenModalWindow()) return;
      form_.UserClick(item);
      Reflect(item, ControlProperty::Checked);
    });
  }
}

// ---- What the user does

bool MainWindowWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    Control* control = ControlOf(watched);
    if (control == nullptr) return false;
    if (reflecting_ == 0) {
      refusedFocusTarget_ = form_.UserFocus(*control) ? nullptr : watched;
      if (form_.Focused() != control) FocusChanged(form_.Focused());
    }
    // A line edit drops its selection when it loses the focus; the model
    // keeps it, so a field the focus comes back to shows the model's again,
    // by mouse or by key.
    if (control->kind() == ControlKind::TextBox && form_.Focused() == control) {
      Reflect(*control, ControlProperty::Selection);
    }
    return false;
  }
  if (reflecting_ > 0) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      const bool refused = watched == refusedFocusTarget_;
      refusedFocusTarget_ = nullptr;
      return refused;
    }
    case QEvent::ShortcutOverride: {
      // A control's access key comes to HandleKey as a key press, ahead of
      // the menu bar's shortcuts; a menu's access key is left to the menu bar.
      const char32_t key = AccessKeyOf(static_cast<QKeyEvent&>(*event));
      if (key == 0 || form_.OwnerOfAccessKey(key) != mainwindow::frmMain::AccessKeyOwner::Control) {
        return false;
      }
      event->accept();
      return true;
    }
    case QEvent::KeyPress:
      refusedFocusTarget_ = nullptr;
      return HandleKey(watched, static_cast<QKeyEvent&>(*event));
    default:
      return false;
  }
}

// Key preview: every key reaches the model before the focused control. A
// value field's own editing keys are the model's to carry out; caret and
// selection keys move QLineEdit's caret, which then reports the selection.
bool MainWindowWidget::HandleKey(QObject* watched, QKeyEvent& event) {
  if (const char32_t accessKey = AccessKeyOf(event); accessKey != 0) {
    form_.UserAccessKey(accessKey);
    return true;
  }
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  const int key = event.key();
  if (key == Qt::Key_Tab && !(modifiers & (Qt::ControlModifier | Qt::AltModifier))) {
    form_.UserPressKey(modifiers & Qt::ShiftModifier ? Key::ShiftTab : Key::Tab);
    return true;
  }
  if (key == Qt::Key_Backtab) {
    form_.UserPressKey(Key::ShiftTab);
    return true;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    form_.UserPressKey(Key::Enter);
    return true;
  }
  const QString text = event.text();
  const bool typed = !text.isEmpty() && text.at(0).isPrint() &&
                     (!(modifiers & Qt::ControlModifier) || (modifiers & Qt::AltModifier));
  if (qobject_cast<ValueFieldEdit*>(watched) == nullptr) {
    if (typed && ControlOf(watched) != nullptr) {
      for (char32_t point : text.toUcs4()) form_.UserType(point);
    }
    return false;
  }

  if (event.matches(QKeySequence::Cut)) {
    form_.UserClick(form_.mnuEditCut);
  } else if (event.matches(QKeySequence::Copy)) {
    form_.UserClick(form_.mnuEditCopy);
  } else if (event.matches(QKeySequence::Paste)) {
    form_.UserClick(form_.mnuEditPaste);
  } else if (event.matches(QKeySequence::SelectAll)) {
    return false;
  } else if (key == Qt::Key_Backspace && !(modifiers & ~Qt::ShiftModifier)) {
    form_.UserPressKey(Key::Backspace);
  } else if (key == Qt::Key_Delete && modifiers == Qt::NoModifier) {
    form_.UserPressKey(Key::Delete);
  } else if (key == Qt::Key_Escape) {
    form_.UserPressKey(Key::Escape);
  } else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home ||
             key == Qt::Key_End) {
    return !!(modifiers & Qt::AltModifier);
  } else if (typed) {
    for (char32_t point : text.toUcs4()) form_.UserType(point);
  }
  // Anything else would edit the text behind the model: Undo, Redo, word
  // deletion.
  return true;
}

void MainWindowWidget::ReportSelection(TextBox& field, ValueFieldEdit& edit) {
  // A field losing the focus drops its selection on its own; the model keeps
  // its own.
  if (reflecting_ > 0 || !edit.hasFocus()) return;
  const QString text = edit.text();
  const int caret = edit.cursorPosition();
  int anchor = caret;
  if (edit.hasSelectedText()) {
    const int start = edit.selectionStart();
    const int end = edit.selectionEnd();
    anchor = caret == start ? end : start;
  }
  form_.UserSetSelection(field, Utf8Position(text, anchor), Utf8Position(text, caret));
  Reflect(field, ControlProperty::Selection);
}

void MainWindowWidget::closeEvent(QCloseEvent* event) {
  if (ending_) {
    event->accept();
    return;
  }
  event->ignore();
  form_.UserClose();
}

bool MainWindowWidget::RaiseOpenModalWindow() const {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return false;
  modal->raise();
  modal->activateWindow();
  return true;
}

void MainWindowWidget::ReportTrayMouseDown(int button) {
  if (RaiseOpenModalWindow()) {
    if (button == 2) tray_.Popup(*trayMenu_);
    return;
  }
  form_.UserTrayMouseDown(button);
}

// ---- What the model changes

void MainWindowWidget::ReflectEverything() {
  for (Control* control : form_.Controls()) {
    for (ControlProperty property :
         {ControlProperty::Enabled, ControlProperty::Visible, ControlProperty::Text,
          ControlProperty::Locked,
          ControlProperty::Value, ControlProperty::ListEntries, ControlProperty::ListIndex,
          ControlProperty::BackColor, ControlProperty::Checked}) {
      Reflect(*control, property);
    }
  }
  setWindowTitle(Text(form_.Caption()));
}

void MainWindowWidget::Reflect(const Control& control, ControlProperty property) {
  Reflecting reflecting(*this);
  if (control.kind() == ControlKind::MenuItem) {
    QAction* action = ActionOf(static_cast<const MenuItem&>(control));
    if (action == nullptr) return;
    const auto& item = static_cast<const MenuItem&>(control);
    if (property == ControlProperty::Enabled) action->setEnabled(item.Enabled());
    if (property == ControlProperty::Visible) action->setVisible(item.Visible());
    if (property == ControlProperty::Checked) action->setChecked(item.Checked());
    return;
  }
  QWidget* widget = WidgetOf(control);
  if (widget == nullptr) return;
  switch (property) {
    case ControlProperty::Enabled:
      widget->setEnabled(control.Enabled());
      return;
    case ControlProperty::Visible:
      widget->setVisible(control.Visible());
      return;
    case ControlProperty::Text:
    case ControlProperty::Selection:
      if (control.kind() == ControlKind::TextBox) ReflectField(static_cast<const TextBox&>(control));
      return;
    case ControlProperty::BackColor:
      if (control.kind() == ControlKind::TextBox) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Base, ColourOf(static_cast<const TextBox&>(control).BackColor(),
                                                  QApplication::palette()));
        widget->setPalette(palette);
      }
      return;
    case ControlProperty::Value:
      if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->setChecked(static_cast<const CheckBox&>(control).Value() == 1);
      } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        option->setChecked(static_cast<const OptionButton&>(control).Value());
      }
      return;
    case ControlProperty::ListEntries:
      if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->clear();
        for (const std::string& entry : static_cast<const ComboBox&>(control).Entries()) {
          combo->addItem(Text(entry));
        }
        combo->setCurrentIndex(static_cast<const ComboBox&>(control).ListIndex());
      }
      return;
    case ControlProperty::ListIndex:
      if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(static_cast<const ComboBox&>(control).ListIndex());
      }
      return;
    case ControlProperty::Locked:
      if (auto* edit = qobject_cast<ValueFieldEdit*>(widget)) {
        edit->SetLocked(static_cast<const TextBox&>(control).Locked());
      }
      return;
    case ControlProperty::Checked:
      return;
  }
}

void MainWindowWidget::ReflectField(const TextBox& field) {
  auto* edit = static_cast<QLineEdit*>(WidgetOf(field));
  const QString text = Text(field.Text());
  if (edit->text() != text) edit->setText(text);
  const int start = Utf16Position(field.Text(), field.SelStart());
  const int end = Utf16Position(field.Text(), field.SelStart() + field.SelLength());
  if (start == end) {
    edit->setCursorPosition(start);
  } else if (field.Caret() == field.SelStart()) {
    edit->setSelection(end, start - end);
  } else {
    edit->setSelection(start, end - start);
  }
}

void MainWindowWidget::ControlChanged(const Control& control, ControlProperty property) {
  Reflect(control, property);
}

void MainWindowWidget::FocusChanged(const Control* focused) {
  if (focused == nullptr) return;
  QWidget* widget = WidgetOf(*focused);
  if (widget == nullptr || widget->hasFocus()) return;
  Reflecting reflecting(*this);
  widget->setFocus(Qt::OtherFocusReason);
}

void MainWindowWidget::WindowChanged(mainwindow::WindowProperty property) {
  switch (property) {
    case mainwindow::WindowProperty::Caption:
      setWindowTitle(Text(form_.Caption()));
      return;
    case mainwindow::WindowProperty::Visible:
      ApplyVisible();
      return;
    case mainwindow::WindowProperty::Topmost:
      ApplyTopmost();
      return;
  }
}

void MainWindowWidget::ApplyVisible() {
  if (!form_.Visible()) {
    emit visibilityApplied(false);
    hide();
    return;
  }
  if (!placed_) {
    placed_ = true;
    // The menu bar's height is known only once the window is polished.
    ensurePolished();
    menuBar()->ensurePolished();
    layout()->activate();
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect available = screen->availableGeometry();
      move(available.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    // The program's main window takes the keyboard when it first opens,
    // also on a display without a window manager to give it.
    activateWindow();
    emit visibilityApplied(true);
    return;
  }
  show();
  emit visibilityApplied(true);
}

// The windows the main window owns, the help among them, stay above it: they
// follow its stay-on-top state.
void MainWindowWidget::ApplyTopmost() {
  SetStaysOnTop(*this, form_.Topmost());
  for (QWidget* owned : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const bool ownWindow = owned->windowType() == Qt::Window || owned->windowType() == Qt::Dialog;
    if (owned->isWindow() && ownWindow && owned->windowModality() == Qt::NonModal) {
      SetStaysOnTop(*owned, form_.Topmost());
    }
  }
  emit topmostApplied(form_.Topmost());
}

void MainWindowWidget::AddMenu(QMenu& menu) {
  QAction* help = ActionOf(form_.mnuHelp);
  menuBar()->insertMenu(help, &menu);
}

void MainWindowWidget::ShowMessageBox(const shell::MessageBoxRequest& request) {
  shell_.ShowMessage(this, request);
}

void MainWindowWidget::ShowModalWindow(mainwindow::ShellWindow window) {
  switch (window) {
    case mainwindow::ShellWindow::About:
      shell_.ShowAbout(this);
      return;
    case mainwindow::ShellWindow::Disclaimer:
      shell_.ShowDisclaimer(this);
      return;
  }
}

void MainWindowWidget::ShowTrayPopup() { tray_.Popup(*trayMenu_); }

void MainWindowWidget::BringToFront() {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

void MainWindowWidget::Minimize() { showMinimized(); }

bool MainWindowWidget::SystemTrayAvailable() const { return tray_.Available(); }

void MainWindowWidget::PaintClientArea(QPainter& painter) {
  painter_ = &painter;
  form_.Form_Paint();
  painter_ = nullptr;
}

void MainWindowWidget::DrawLine(int x1, int y1, int x2, int y2, SystemColour colour) {
  if (painter_ == nullptr) return;
  painter_->setPen(ColourOf(colour, palette()));
  painter_->drawLine(Pixels(x1), Pixels(y1), Pixels(x2), Pixels(y2));
}

void MainWindowWidget::EndProgram() {
  ending_ = true;
  emit programEnded();
}

}  // namespace platform
