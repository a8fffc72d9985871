// The help window: the help document on the right, a search by words on the
// left. Non-modal, transient for the window that owns it, opened beside it and
// kept above it when it stays on top.
#ifndef HYDRELIX_PLATFORM_HELP_WINDOW_H
#define HYDRELIX_PLATFORM_HELP_WINDOW_H

#include "platform/help_topics.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;
class QSplitter;
class QTextBrowser;

namespace platform {

class HelpWindow final : public QWidget {
 public:
  explicit HelpWindow(QWidget* owner);

  // Shows `html` as the help; false, with the window unchanged, when it holds
  // no topic at all (not a help document).
  bool Load(const QString& html);
  const QString& LoadedHtml() const { return html_; }

  void ShowContents();
  void ShowSearch();

  // Lists the topics that hold all the words, as typing into the search does.
  void Search(const QString& words);
  // Shows topic `row` of the list of topics found; false when there is none.
  bool OpenFound(int row);

  const std::vector<HelpTopic>& Topics() const { return topics_; }
  QTextBrowser* Browser() const { return browser_; }
  QLineEdit* SearchWords() const { return words_; }
  QListWidget* TopicsFound() const { return found_; }

 private:
  void OpenTopic(const HelpTopic& topic);
  void Present();
  void PlaceBeside(const QWidget& owner);
  void FitTopicList();

  // The width the help text opens with, and the least it is given to stand
  // beside the owner, in pixels.
  static constexpr int kTextWidth = 560;
  static constexpr int kNarrowestText = 320;

  QString html_;
  std::vector<HelpTopic> topics_;
  std::vector<int> foundTopics_;
  QTextBrowser* browser_;
  QLineEdit* words_;
  QListWidget* found_;
  QPushButton* display_;
  QWidget* searchPane_;
  QSplitter* splitter_;
  int paneWidth_ = 0;
  bool placed_ = false;
};

// Where a window of `size` (frame included) opens beside `owner` (its frame):
// on the right when there is room, else on the left, narrowed to no less than
// `narrowest` where that lets it stand beside it, else against the screen
// edge on the side with more room; always inside `area`, level with the
// owner's top where it can be.
QRect PlacedBeside(const QRect& owner, QSize size, int narrowest, const QRect& area);

}  // namespace platform

#endif
