#include "platform/read_disclaimer_dialog.h"

#include "platform/captioned_frame.h"
#include "platform/disclaimer_text_dialog.h"
#include "platform/main_window_widget.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace platform {

namespace {

using Layout = app::frmReadDisclaimer;

}  // namespace

ReadDisclaimerDialog::ReadDisclaimerDialog(QWidget* owner, shell::ProgramSwitches& switches,
                                           shell::SettingsStore& settings,
                                           app::DisclaimerSource source, DialogServices services)
    : ShellDialog(owner, Layout::kCaption, Layout::kClientArea, false),
      source_(std::move(source)),
      services_(std::move(services)),
      form_(switches, settings, *this),
      Label1_(Placed(new QLabel(Layout::Label1.caption, this), Layout::Label1)),
      cmdRead_(Placed(new QPushButton(Layout::cmdRead.caption, this), Layout::cmdRead)),
      Frame1_(Placed(new CaptionedFrame(Layout::Frame1.caption, this), Layout::Frame1)),
      cmdDisagree_(Placed(new QPushButton(Layout::cmdDisagree.caption, Frame1_), Layout::cmdDisagree)),
      cmdAgree_(Placed(new QPushButton(Layout::cmdAgree.caption, Frame1_), Layout::cmdAgree)),
      chkDontShow_(Placed(new QCheckBox(Layout::chkDontShow.caption, this), Layout::chkDontShow)) {
  setObjectName("frmReadDisclaimer");
  setWindowIcon(MainWindowWidget::ProgramIcon());
  Label1_->setFont(DesignedFont(Layout::kLabel1Font));
  Label1_->adjustSize();
  setTabOrder(cmdRead_, cmdDisagree_);
  setTabOrder(cmdDisagree_, cmdAgree_);
  setTabOrder(cmdAgree_, chkDontShow_);
  for (QWidget* child : {static_cast<QWidget*>(cmdRead_), static_cast<QWidget*>(cmdDisagree_),
                         static_cast<QWidget*>(cmdAgree_), static_cast<QWidget*>(chkDontShow_)}) {
    PreviewKeysOf(*child);
  }
  connect(cmdRead_, &QPushButton::clicked, this, [this] { form_.cmdRead_Click(); });
  connect(cmdAgree_, &QPushButton::clicked, this, [this] { form_.cmdAgree_Click(); });
  connect(cmdDisagree_, &QPushButton::clicked, this, [this] { form_.cmdDisagree_Click(); });
  connect(chkDontShow_, &QCheckBox::clicked, this, [this] {
    // The box shows what the model says, not what the toolkit toggled.
    chkDontShow_->setChecked(form_.DontShowTicked());
    form_.UserToggleDontShow();
  });
  cmdRead_->setFocus();
  form_.Form_Load();
}

void ReadDisclaimerDialog::ShowDontShowTicked(bool ticked) { chkDontShow_->setChecked(ticked); }

void ReadDisclaimerDialog::CenterMouseCursorOnAgree() {
  CenterMouseCursorOn(*cmdAgree_, services_.pointer);
}

void ReadDisclaimerDialog::ShowTextWindow() {
  DisclaimerTextDialog text(this, source_, services_);
  if (!text.Load()) return;
  text.RunModal();
  // Back from its own text window, this window is active again, also where
  // the desktop does not hand the activation back by itself.
  activateWindow();
  form_.Form_Activate();
}

void ReadDisclaimerDialog::Close() { Finish(); }

void ReadDisclaimerDialog::EndProgram() {
  services_.endProgram();
  Finish();
}

void ReadDisclaimerDialog::Activated() { form_.Form_Activate(); }

bool ReadDisclaimerDialog::KeyPressed(app::DialogKey key) {
  // Enter is left to the button with the focus.
  if (key != app::DialogKey::Escape) return false;
  form_.UserPressKey(key);
  return true;
}

void ReadDisclaimerDialog::WindowManagerClose() { form_.UserClose(); }

}  // namespace platform
