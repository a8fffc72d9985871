// Copy State as Table and as Row from the real window: in both unit
// systems, under both formulations, for a single-phase state, a wet one and
// blank results, with a decimal point and a decimal comma. Every cell is the
// field's text exactly as shown.
#include "loaded_window.h"

#include "analysis/state_copy.h"
#include "mainwindow/shown_table.h"

#include <regex>
#include <string>
#include <vector>

namespace {

using Cells = std::vector<std::string>;

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : text) {
    if (c == separator) {
      parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  parts.push_back(part);
  return parts;
}

std::vector<Cells> PlainRows(const std::string& text) {
  std::vector<Cells> rows;
  for (const std::string& line : Split(text, '\n')) rows.push_back(Split(line, '\t'));
  return rows;
}

std::string Unescaped(std::string cell) {
  for (const auto& [entity, c] : std::vector<std::pair<std::string, std::string>>{
           {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
    for (std::size_t at = cell.find(entity); at != std::string::npos; at = cell.find(entity, at + 1))
      cell.replace(at, entity.size(), c);
  }
  return cell;
}

std::vector<Cells> HtmlRows(const std::string& html) {
  std::vector<Cells> rows;
  const std::regex row("<tr>(.*?)</tr>"), cell("<t[hd]>(.*?)</t[hd]>");
  for (auto r = std::sregex_iterator(html.begin(), html.end(), row); r != std::sregex_iterator(); ++r) {
    const std::string inside = (*r)[1];
    Cells cells;
    for (auto c = std::sregex_iterator(inside.begin(), inside.end(), cell); c != std::sregex_iterator(); ++c)
      cells.push_back(Unescaped((*c)[1]));
    rows.push_back(cells);
  }
  return rows;
}

enum class Results { SinglePhase, Wet, Blank };

struct Setting {
  bool si, ifc67, comma;
  Results results;
  std::string Name() const {
    const char* names[] = {"single phase", "wet", "blank"};
    return std::string(si ? "SI" : "IP") + (ifc67 ? ", IFC-67, " : ", IF-97, ") +
           names[static_cast<int>(results)] + (comma ? ", comma" : ", point");
  }
};

// A window showing the setting's results.
void Show(LoadedWindow& w, const Setting& s) {
  if (s.comma) {
    w.form.Locale.decimalSeparator = ",";
    w.form.Locale.groupSeparator = ".";
  }
  if (s.ifc67) w.Click("optSteam(1)");
  if (s.si) w.Click("optUnits(1)");
  if (s.results == Results::Wet) {
    w.Click("chkStmInput(1)");
    w.Click("chkStmInput(2)");  // temperature and quality
    w.Enter(43, s.si ? "150" : "300");
    w.Enter(45, s.comma ? "0,35" : "0.35");
  } else {
    w.Enter(43, s.si ? "300" : "600");
    w.Enter(44, s.si ? "5" : "100");
  }
  w.Click("cmdCompute");
  ASSERT_TRUE(w.view.messages.empty()) << s.Name();
  if (s.results == Results::Blank) w.Click("cmdClear");
}

std::vector<Setting> AllSettings() {
  std::vector<Setting> settings;
  for (bool si : {false, true})
    for (bool ifc67 : {false, true})
      for (Results results : {Results::SinglePhase, Results::Wet, Results::Blank})
        for (bool comma : {false, true}) settings.push_back({si, ifc67, comma, results});
  return settings;
}

TEST(CopyStateAsTable, EveryCellIsWhatTheWindowShows) {
  for (const Setting& s : AllSettings()) {
    SCOPED_TRACE(s.Name());
    LoadedWindow w;
    Show(w, s);
    const analysis::StateTable table = mainwindow::ShownTable(w.form);
    const analysis::ClipboardContents copied = analysis::StateAsTable(table);
    const std::vector<Cells> plain = PlainRows(copied.text);
    EXPECT_EQ(HtmlRows(copied.html), plain);
    ASSERT_EQ(plain.size(), 16u);
    EXPECT_EQ(plain[0], (Cells{"Property", s.ifc67 ? "IFC-67" : "IAPWS-IF97", "Unit", "Input"}));
    int inputs = 0, blank = 0;
    for (std::size_t i = 0; i < 15; ++i) {
      const Cells& row = plain[i + 1];
      ASSERT_EQ(row.size(), 4u) << i;
      EXPECT_EQ(row[0], table.rows[i].caption);
      EXPECT_EQ(row[1], w.Text(static_cast<int16_t>(43 + i)));
      EXPECT_EQ(row[2], table.rows[i].unit);
      EXPECT_TRUE(row[3].empty() || row[3] == "input") << row[3];
      inputs += row[3] == "input";
      blank += row[1].empty();
      // The desktop's decimal mark and no digit grouping.
      EXPECT_EQ(row[1].find(s.comma ? '.' : ','), std::string::npos) << row[1];
    }
    EXPECT_EQ(inputs, 2);
    EXPECT_EQ(blank, s.results == Results::Blank ? 13 : 0);
    EXPECT_EQ(plain[1][0], "Temperature");
    EXPECT_EQ(plain[1][2], s.si ? "\u00B0C" : "\u00B0F");
  }
}

TEST(CopyStateAsRow, AHeaderWithUnitsAndOneRowOfTheTextsShown) {
  for (const Setting& s : AllSettings()) {
    SCOPED_TRACE(s.Name());
    LoadedWindow w;
    Show(w, s);
    const analysis::ClipboardContents copied = analysis::StateAsRow(mainwindow::ShownTable(w.form));
    const std::vector<Cells> plain = PlainRows(copied.text);
    EXPECT_EQ(HtmlRows(copied.html), plain);
    ASSERT_EQ(plain.size(), 2u);
    ASSERT_EQ(plain[0].size(), 16u);
    ASSERT_EQ(plain[1].size(), 16u);
    EXPECT_EQ(plain[0][0], s.si ? "Temperature [\u00B0C]" : "Temperature [\u00B0F]");
    EXPECT_EQ(plain[0][2], "Quality (L=0, V=1)");
    EXPECT_EQ(plain[0][15], "Formulation");
    EXPECT_EQ(plain[1][15], s.ifc67 ? "IFC-67" : "IAPWS-IF97");
    for (std::size_t i = 0; i < 15; ++i) EXPECT_EQ(plain[1][i], w.Text(static_cast<int16_t>(43 + i))) << i;
  }
}

}  // namespace
