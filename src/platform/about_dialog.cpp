#include "platform/about_dialog.h"

#include "platform/main_window_widget.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <utility>

namespace platform {

namespace {

using Layout = app::frmAbout;

QLabel* PlacedLabel(QWidget* parent, const app::ControlLayout& layout) {
  QLabel* label = Placed(new QLabel(layout.caption, parent), layout);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

void PaintBlack(QLabel& label) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label.setPalette(palette);
}

void DrawStroke(QPainter& painter, const app::RuleStroke& stroke) {
  painter.setPen(QColor(stroke.red, stroke.green, stroke.blue));
  painter.drawLine(PixelsOfTwips(stroke.x1), PixelsOfTwips(stroke.y1), PixelsOfTwips(stroke.x2),
                   PixelsOfTwips(stroke.y2));
}

}  // namespace

AboutDialog::AboutDialog(QWidget* owner, app::SystemInfoTool& tool, DialogServices services)
    : ShellDialog(owner, Layout::kCaption, Layout::kClientArea, true),
      services_(std::move(services)),
      form_(tool, *this),
      picIcon_(Placed(new QLabel(this), Layout::picIcon)),
      lblCompanyName_(PlacedLabel(this, Layout::lblCompanyName)),
      lblTitle_(PlacedLabel(this, Layout::lblTitle)),
      lblVersion_(PlacedLabel(this, Layout::lblVersion)),
      lblDescription_(PlacedLabel(this, Layout::lblDescription)),
      lblDisclaimer_(PlacedLabel(this, Layout::lblDisclaimer)),
      cmdOK_(Placed(new QPushButton(Layout::cmdOK.caption, this), Layout::cmdOK)),
      cmdSysInfo_(Placed(new QPushButton(Layout::cmdSysInfo.caption, this), Layout::cmdSysInfo)) {
  setObjectName("frmAbout");
  setWindowIcon(MainWindowWidget::ProgramIcon());
  picIcon_->setPixmap(MainWindowWidget::ProgramIcon().pixmap(picIcon_->size()));
  lblCompanyName_->setFont(DesignedFont(Layout::kCompanyNameFont));
  lblCompanyName_->setWordWrap(false);
  lblTitle_->setFont(DesignedFont(Layout::kTitleFont));
  for (QLabel* black : {lblTitle_, lblDescription_, lblDisclaimer_}) PaintBlack(*black);
  cmdOK_->setDefault(true);
  setTabOrder(cmdOK_, cmdSysInfo_);
  PreviewKeysOf(*cmdOK_);
  PreviewKeysOf(*cmdSysInfo_);
  connect(cmdOK_, &QPushButton::clicked, this, [this] { form_.cmdOK_Click(); });
  connect(cmdSysInfo_, &QPushButton::clicked, this, [this] { form_.cmdSysInfo_Click(); });

  form_.Form_Load();
  lblCompanyName_->setText(TextOf(form_.CompanyNameText));
  lblCompanyName_->adjustSize();
  lblTitle_->setText(TextOf(form_.TitleText));
  lblVersion_->setText(TextOf(form_.VersionText));
  lblDescription_->setText(TextOf(form_.DescriptionText));
  lblDisclaimer_->setText(TextOf(form_.DisclaimerText));
  cmdOK_->setFocus();
}

void AboutDialog::CenterMouseCursorOnOK() { CenterMouseCursorOn(*cmdOK_, services_.pointer); }

void AboutDialog::ShowMessage(const shell::MessageBoxRequest& request) {
  services_.showMessage(this, request);
}

void AboutDialog::Close() { Finish(); }

void AboutDialog::Activated() { form_.Form_Activate(); }

bool AboutDialog::KeyPressed(app::DialogKey key) {
  form_.UserPressKey(key);
  return true;
}

void AboutDialog::WindowManagerClose() { form_.UserClose(); }

void AboutDialog::paintEvent(QPaintEvent* event) {
  ShellDialog::paintEvent(event);
  QPainter painter(this);
  DrawStroke(painter, Layout::Line1_1);
  DrawStroke(painter, Layout::Line1_0);
}

}  // namespace platform
