#include "platform/help_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

namespace platform {

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window),
      browser_(new QTextBrowser),
      words_(new QLineEdit),
      found_(new QListWidget),
      display_(new QPushButton(QStringLiteral("&Display"))) {
  setWindowTitle(QStringLiteral("Hydrelix Help"));
  setWindowModality(Qt::NonModal);
  resize(860, 620);

  auto* searchPane = new QWidget;
  auto* searchLayout = new QVBoxLayout(searchPane);
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

  auto* splitter = new QSplitter;
  splitter->addWidget(searchPane);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 3);
  splitter->setSizes({240, 620});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);

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

void HelpWindow::Present() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

}  // namespace platform
