// The help window: the help document on the right, a search by words on the
// left. Non-modal, and transient for the window that owns it.
#ifndef HYDRELIX_PLATFORM_HELP_WINDOW_H
#define HYDRELIX_PLATFORM_HELP_WINDOW_H

#include "platform/help_topics.h"

#include <QString>
#include <QWidget>

#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;
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

  QString html_;
  std::vector<HelpTopic> topics_;
  std::vector<int> foundTopics_;
  QTextBrowser* browser_;
  QLineEdit* words_;
  QListWidget* found_;
  QPushButton* display_;
};

}  // namespace platform

#endif
