// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/splash_window.h"

#include "platform/main_window_widget.h"
#include "platform/shell_dialog_support.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>

namespace platform {

namespace {

using Layout = app::frmSplash;

QLabel* PlacedLabel(QWidget* parent, const app::ControlLayout& layout) {
  auto* label = new QLabel(parent);
  label->setObjectName(layout.name);
  label->setGeometry(PixelRect(layout.box));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

void Fill(QLabel& label, const std::string& text, bool sizedToText) {
  label.setText(TextOf(text));
  if (sizedToText) label.adjustSize();
}

}  // namespace

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      fraMainFrame_(new QGroupBox(this)),
      picLogo_(PlacedLabel(fraMainFrame_, Layout::picLogo)),
      lblCompanyProduct_(PlacedLabel(fraMainFrame_, Layout::lblCompanyProduct)),
      lblProductName_(PlacedLabel(fraMainFrame_, Layout::lblProductName)),
      lblVersion_(PlacedLabel(fraMainFrame_, Layout::lblVersion)),
      lblDescription_(PlacedLabel(fraMainFrame_, Layout::lblDescription)),
      lblCopyright_(PlacedLabel(fraMainFrame_, Layout::lblCopyright)),
      lblWarning_(PlacedLabel(fraMainFrame_, Layout::lblWarning)) {
  setObjectName("frmSplash");
  setFont(DialogFont());
  setFixedSize(PixelRect(Layout::kClientArea).size());
  fraMainFrame_->setObjectName(Layout::fraMainFrame.name);
  fraMainFrame_->setGeometry(PixelRect(Layout::fraMainFrame.box));
  // No title bar: the fixed dialog frame is drawn around the client area.
  setAutoFillBackground(true);
  setStyleSheet("#frmSplash { border: 2px outset palette(mid); }");

  picLogo_->setScaledContents(true);
  picLogo_->setPixmap(MainWindowWidget::ProgramIcon().pixmap(picLogo_->size()));
  lblCompanyProduct_->setFont(DesignedFont(Layout::kCompanyProductFont));
  lblProductName_->setFont(DesignedFont(Layout::kProductNameFont));
  lblVersion_->setFont(DesignedFont(Layout::kVersionFont));
  lblDescription_->setWordWrap(true);
  lblCopyright_->setWordWrap(true);
  lblWarning_->setWordWrap(true);

  form_.Form_Load();
  Fill(*lblCompanyProduct_, form_.CompanyProductText, true);
  Fill(*lblProductName_, form_.ProductNameText, true);
  Fill(*lblVersion_, form_.VersionText, true);
  Fill(*lblDescription_, form_.DescriptionText, false);
  Fill(*lblCopyright_, form_.CopyrightText, false);
  Fill(*lblWarning_, form_.WarningText, false);
}

void SplashWindow::ShowPainted() {
  CentreOn(*this, nullptr);
  show();
  repaint();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace platform
