// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help_topics.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <tuple>

namespace platform {

namespace {

QString AnchorOf(const QTextBlock& block) {
  for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
    const QStringList names = fragment.fragment().charFormat().anchorNames();
    if (!names.isEmpty()) return names.front();
  }
  return QString();
}

int Occurrences(const QStringList& words, const QString& prefix) {
  return static_cast<int>(std::count_if(words.begin(), words.end(), [&](const QString& word) {
    return word.startsWith(prefix);
  }));
}

}  // namespace

QStringList SearchWords(const QString& text) {
  QStringList words;
  QString word;
  for (const QChar c : text) {
    if (c.isLetterOrNumber()) {
      word += c.toLower();
    } else if (!word.isEmpty()) {
      words.push_back(word);
      word.clear();
    }
  }
  if (!word.isEmpty()) words.push_back(word);
  return words;
}

std::vector<HelpTopic> TopicsOf(const QTextDocument& document) {
  std::vector<HelpTopic> topics;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() > 0) {
      HelpTopic topic;
      topic.title = block.text().simplified();
      topic.anchor = AnchorOf(block);
      topic.position = block.position();
      topic.words = SearchWords(block.text());
      topics.push_back(std::move(topic));
    } else if (!topics.empty()) {
      topics.back().words += SearchWords(block.text());
    }
  }
  return topics;
}

std::vector<int> FindTopics(const std::vector<HelpTopic>& topics, const QString& query) {
  const QStringList wanted = SearchWords(query);
  if (wanted.isEmpty()) return {};
  // (title hits, body hits, index) for every topic that holds all words.
  std::vector<std::tuple<int, int, int>> found;
  for (size_t i = 0; i < topics.size(); ++i) {
    const HelpTopic& topic = topics[i];
    const QStringList titleWords = SearchWords(topic.title);
    int titleHits = 0;
    int hits = 0;
    bool all = true;
    for (const QString& word : wanted) {
      const int count = Occurrences(topic.words, word);
      if (count == 0) {
        all = false;
        break;
      }
      hits += count;
      if (Occurrences(titleWords, word) > 0) ++titleHits;
    }
    if (all) found.emplace_back(titleHits, hits, static_cast<int>(i));
  }
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return std::tie(std::get<0>(a), std::get<1>(a)) > std::tie(std::get<0>(b), std::get<1>(b));
  });
  std::vector<int> indices;
  for (const auto& entry : found) indices.push_back(std::get<2>(entry));
  return indices;
}

}  // namespace platform
