#include "platform/help_window.h"

#include "platform/stays_on_top.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace platform {

HelpWindow::HelpWindow(QWidget* owner)
    // A dialog in the window system's eyes, so that it is transient for its
    // owner and the window manager keeps it above it; it still has the
    // boxes of a full window.
    : QWidget(owner, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      browser_(new QTextBrowser),
      words_(new QLineEdit),
      found_(new QListWidget),
      display_(new QPushButton(QStringLiteral("&Display"))) {
  setWindowTitle(QStringLiteral("Hydrelix Help"));
  setWindowModality(Qt::NonModal);
  resize(860, 620);

  searchPane_ = new QWidget;
  auto* searchLayout = new QVBoxLayout(searchPane_);
  auto* contents = new QPushButton(QStringLiteral("&Contents"));
  searchLayout->addWidget(contents);
  auto* wordsLabel = new QLabel(QStringLiteral("&Type the words to find:"));
  wordsLabel->setBuddy(words_);
  auto* foundLabel = new QLabel(QStringLiteral("Topics &found:"));
  foundLabel->setBuddy(found_);
  words_->setObjectName(QStringLiteral("searchWords"));
  found_->setObjectName(QStringLiteral("topicsFound"));
  browser_->setObjectName(QStringLiteral("helpText"));
  searchLayout->addWidget(wordsLabel);
  searchLayout->addWidget(words_);
  searchLayout->addWidget(foundLabel);
  searchLayout->addWidget(found_, 1);
  searchLayout->addWidget(display_);

  // Links inside the help move within it; nothing is opened outside.
  browser_->setOpenExternalLinks(false);
  browser_->setOpenLinks(true);

  splitter_ = new QSplitter;
  splitter_->addWidget(searchPane_);
  splitter_->addWidget(browser_);
  splitter_->setStretchFactor(1, 3);
  splitter_->setSizes({240, kTextWidth});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter_);

  connect(words_, &QLineEdit::textChanged, this, [this](const QString& text) { Search(text); });
  connect(words_, &QLineEdit::returnPressed, this, [this] {
    OpenFound(found_->currentRow() >= 0 ? found_->currentRow() : 0);
  });
  connect(found_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { OpenFound(found_->row(item)); });
  connect(contents, &QPushButton::clicked, this, [this] { ShowContents(); });
  connect(display_, &QPushButton::clicked, this, [this] { OpenFound(found_->currentRow()); });
}

bool HelpWindow::Load(const QString& html) {
  if (html == html_ && !topics_.empty()) return true;
  QTextDocument probe;
  probe.setHtml(html);
  std::vector<HelpTopic> topics = TopicsOf(probe);
  if (topics.empty()) return false;
  html_ = html;
  browser_->setHtml(html);
  // The same text gives the browser's document the same positions.
  topics_ = std::move(topics);
  Search(words_->text());
  FitTopicList();
  return true;
}

void HelpWindow::ShowContents() {
  browser_->moveCursor(QTextCursor::Start);
  browser_->verticalScrollBar()->setValue(0);
  Present();
  browser_->setFocus();
}

void HelpWindow::ShowSearch() {
  Present();
  words_->setFocus();
  words_->selectAll();
}

void HelpWindow::Search(const QString& words) {
  if (words_->text() != words) words_->setText(words);  // comes back here once
  foundTopics_ = FindTopics(topics_, words);
  found_->clear();
  for (int index : foundTopics_) {
    const QString& title = topics_[static_cast<size_t>(index)].title;
    found_->addItem(title);
    found_->item(found_->count() - 1)->setToolTip(title);
  }
  if (!foundTopics_.empty()) found_->setCurrentRow(0);
  display_->setEnabled(!foundTopics_.empty());
}

bool HelpWindow::OpenFound(int row) {
  if (row < 0 || static_cast<size_t>(row) >= foundTopics_.size()) return false;
  found_->setCurrentRow(row);
  OpenTopic(topics_[static_cast<size_t>(foundTopics_[static_cast<size_t>(row)])]);
  return true;
}

void HelpWindow::OpenTopic(const HelpTopic& topic) {
  QTextCursor cursor(browser_->document());
  cursor.setPosition(topic.position);
  browser_->setTextCursor(cursor);
  if (!topic.anchor.isEmpty()) browser_->scrollToAnchor(topic.anchor);
  browser_->ensureCursorVisible();
}

// The first time, the help opens beside the window that owns it, on the
// side with room for it, else on the side with more room, and inside the
// screen. It stays above a main window kept on top.
void HelpWindow::Present() {
  const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
  if (owner != nullptr) {
    SetStaysOnTop(*this, owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  }
  if (!placed_ && owner != nullptr && owner->isVisible()) {
    placed_ = true;
    PlaceBeside(*owner);
  }
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

void HelpWindow::PlaceBeside(const QWidget& owner) {
  const QScreen* screen = owner.screen();
  if (screen == nullptr) return;
  // The frame the window manager adds, as the owner has it.
  const QSize frame = owner.frameGeometry().size() - owner.geometry().size();
  const int narrowest = paneWidth_ + splitter_->handleWidth() + kNarrowestText;
  const QRect placed = PlacedBeside(owner.frameGeometry(), size() + frame, narrowest + frame.width(),
                                    screen->availableGeometry());
  resize(placed.size() - frame);
  move(placed.topLeft());
}

QRect PlacedBeside(const QRect& owner, QSize size, int narrowest, const QRect& area) {
  size = size.boundedTo(area.size());
  const int roomRight = area.right() - owner.right();
  const int roomLeft = owner.left() - area.left();
  const int room = std::max(roomRight, roomLeft);
  // Narrower, down to what still reads well, to stand beside the owner.
  if (size.width() > room && room >= narrowest) size.setWidth(room);
  int left;
  if (roomRight >= size.width()) {
    left = owner.right() + 1;
  } else if (roomLeft >= size.width()) {
    left = owner.left() - size.width();
  } else {
    left = roomRight >= roomLeft ? area.right() + 1 - size.width() : area.left();
  }
  const int top = std::clamp(owner.top(), area.top(), area.bottom() + 1 - size.height());
  return {QPoint(left, top), size};
}

// The list of topics is as wide as its longest title, so no title is cut and
// no scroll bar runs across it.
void HelpWindow::FitTopicList() {
  int widest = 0;
  const QFontMetrics metrics(found_->font());
  for (const HelpTopic& topic : topics_) {
    widest = std::max(widest, metrics.horizontalAdvance(topic.title));
  }
  const int itemMargins = 2 * found_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr,
                                                           found_) + 8;
  const int listWidth = widest + itemMargins + 2 * found_->frameWidth() +
                        found_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, found_);
  found_->setMinimumWidth(listWidth);
  found_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const QMargins margins = searchPane_->layout()->contentsMargins();
  paneWidth_ = listWidth + margins.left() + margins.right();
  splitter_->setSizes({paneWidth_, kTextWidth});
  resize(paneWidth_ + splitter_->handleWidth() + kTextWidth, height());
}

}  // namespace platform
