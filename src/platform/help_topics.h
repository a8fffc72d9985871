// SPDX-License-Identifier: GPL-3.0-or-later
// The topics of the help document and the search over them by words.
#ifndef HYDRELIX_PLATFORM_HELP_TOPICS_H
#define HYDRELIX_PLATFORM_HELP_TOPICS_H

#include <QString>
#include <QStringList>

#include <vector>

class QTextDocument;

namespace platform {

// Every heading of the document starts a topic that runs to the next one.
struct HelpTopic {
  QString title;
  QString anchor;    // the heading's anchor name; empty when it has none
  int position = 0;  // where the heading starts in the document
  QStringList words; // the title's and the body's words, in lower case
};

std::vector<HelpTopic> TopicsOf(const QTextDocument& document);

// The words of a text as the search compares them: letters and digits only,
// in lower case.
QStringList SearchWords(const QString& text);

// The topics, by index, that hold every word of `query`, each as a word or
// as the start of one ("compress" finds "compressed"). Topics whose title
// holds a word come first, then those that mention the words most; document
// order otherwise. No words, no topics.
std::vector<int> FindTopics(const std::vector<HelpTopic>& topics, const QString& query);

}  // namespace platform

#endif
