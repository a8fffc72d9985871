#include "platform/disclaimer_text_dialog.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <utility>

namespace platform {

DisclaimerTextDialog::DisclaimerTextDialog(QWidget* owner, app::DisclaimerSource source,
                                           DialogServices services)
    : ShellDialog(owner, app::frmDisclaimer::kCaption, app::frmDisclaimer::kClientArea, false),
      services_(std::move(services)),
      form_(std::move(source), *this),
      txtText_(new QPlainTextEdit(this)),
      cmdOK_(new QPushButton(app::frmDisclaimer::cmdOK.caption, this)) {
  setObjectName("frmDisclaimer");
  txtText_->setObjectName(app::frmDisclaimer::txtText.name);
  txtText_->setGeometry(PixelRect(app::frmDisclaimer::txtText.box));
  txtText_->setReadOnly(true);
  txtText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  cmdOK_->setObjectName(app::frmDisclaimer::cmdOK.name);
  cmdOK_->setGeometry(PixelRect(app::frmDisclaimer::cmdOK.box));
  cmdOK_->setDefault(true);
  setTabOrder(txtText_, cmdOK_);
  PreviewKeysOf(*txtText_);
  PreviewKeysOf(*cmdOK_);
  connect(cmdOK_, &QPushButton::clicked, this, [this] { form_.cmdOK_Click(); });
  txtText_->setFocus();
}

bool DisclaimerTextDialog::Load() { return form_.Form_Load(); }

void DisclaimerTextDialog::Beep() { services_.beep(); }

void DisclaimerTextDialog::ShowText(const std::string& bytes) {
  // One character per byte, as the 8-bit code page shows it; CR LF and a
  // lone CR break the line as LF does.
  QString text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  txtText_->setPlainText(text);
}

void DisclaimerTextDialog::CenterMouseCursorOnOK() {
  CenterMouseCursorOn(*cmdOK_, services_.pointer);
}

void DisclaimerTextDialog::ShowMessage(const shell::MessageBoxRequest& request) {
  services_.showMessage(parentWidget(), request);
}

void DisclaimerTextDialog::Close() { Finish(); }

void DisclaimerTextDialog::EndProgram() {
  services_.endProgram();
  Finish();
}

void DisclaimerTextDialog::Activated() { form_.Form_Activate(); }

bool DisclaimerTextDialog::KeyPressed(app::DialogKey key) {
  // Esc has no meaning here, and must not close the window either.
  form_.UserPressKey(key);
  return true;
}

void DisclaimerTextDialog::WindowManagerClose() { form_.UserClose(); }

}  // namespace platform
