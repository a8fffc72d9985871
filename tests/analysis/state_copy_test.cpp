// The clipboard texts of a state table: the exact plain text, and an HTML
// table that escapes what HTML would read as markup.
#include "analysis/state_copy.h"

#include <gtest/gtest.h>

namespace {

analysis::StateTable Table() {
  analysis::StateTable table;
  table.formulation = steam::Formulation::IFC67;
  table.rows = {{"Temperature", "600,00", "\u00B0F", true},
                {"Quality (L=0, V=1)", "", "-", false},
                {"A & <b>", "1", "x\"y", false}};
  return table;
}

TEST(StateCopy, PlainTextIsTabSeparatedWithLineFeedsBetweenRows) {
  const analysis::ClipboardContents table = analysis::StateAsTable(Table());
  EXPECT_EQ(table.text,
            "Property\tIFC-67\tUnit\tInput\n"
            "Temperature\t600,00\t\u00B0F\tinput\n"
            "Quality (L=0, V=1)\t\t-\t\n"
            "A & <b>\t1\tx\"y\t");
  const analysis::ClipboardContents row = analysis::StateAsRow(Table());
  EXPECT_EQ(row.text,
            "Temperature [\u00B0F]\tQuality (L=0, V=1)\tA & <b> [x\"y]\tFormulation\n"
            "600,00\t\t1\tIFC-67");
}

TEST(StateCopy, HtmlIsAnUnstyledTableWithEscapedCells) {
  const std::string html = analysis::StateAsTable(Table()).html;
  EXPECT_NE(html.find("<table>"), std::string::npos);
  EXPECT_EQ(html.find("style"), std::string::npos);
  EXPECT_NE(html.find("<tr><th>Property</th><th>IFC-67</th><th>Unit</th><th>Input</th></tr>"),
            std::string::npos);
  EXPECT_NE(html.find("<tr><td>Quality (L=0, V=1)</td><td></td><td>-</td><td></td></tr>"),
            std::string::npos);
  EXPECT_NE(html.find("<td>A &amp; &lt;b&gt;</td><td>1</td><td>x&quot;y</td>"), std::string::npos);
  EXPECT_EQ(analysis::FormulationName(steam::Formulation::IF97), std::string("IAPWS-IF97"));
}

}  // namespace
