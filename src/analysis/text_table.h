// A table of texts as the analysis windows show and copy it: a header row and
// data rows of cells. On the clipboard it goes as UTF-8 tab-separated text
// ("\n" between rows, a blank cell an empty one) and as an unstyled HTML
// table with the same cells, so a spreadsheet takes either.
#ifndef HYDRELIX_ANALYSIS_TEXT_TABLE_H
#define HYDRELIX_ANALYSIS_TEXT_TABLE_H

#include <string>
#include <vector>

namespace analysis {

struct TextTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
};

std::string AsTabSeparated(const TextTable& table);
std::string AsHtml(const TextTable& table);

}  // namespace analysis

#endif
