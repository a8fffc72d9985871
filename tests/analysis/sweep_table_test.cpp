// A computed table written as delimited text and read back by an RFC 4180
// reader, in the spreadsheet styles the Save command offers.
#include "analysis/sweep_table.h"

#include "platform/shared_property_libraries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace analysis {
namespace {

using Records = std::vector<std::vector<std::string>>;

// RFC 4180: fields split at the separator, a quoted field may hold the
// separator, doubled quotes and line breaks; records end at "\n".
Records ReadDelimited(const std::string& text, char separator) {
  Records records;
  std::vector<std::string> record;
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == separator) {
      record.push_back(field);
      field.clear();
    } else if (c == '\n') {
      record.push_back(field);
      field.clear();
      records.push_back(record);
      record.clear();
    } else {
      field += c;
    }
  }
  EXPECT_TRUE(field.empty() && record.empty()) << "text does not end in a line break";
  return records;
}

double Read(std::string text, char decimal) {
  for (char& c : text) {
    if (c == decimal) c = '.';
  }
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  EXPECT_EQ(*end, '\0') << text;
  return value;
}

TEST(DelimitedTable, ReadsBackCellForCellInEachStyle) {
  platform::SharedPropertyLibraries libraries;
  PrepareLibraries(libraries);
  SweepRequest request;
  request.kind = SweepKind::IsobarSweep;
  request.formulation = steam::Formulation::IF97;
  request.columns = DefaultColumns(request.kind);
  TableUnits units = TableUnits::System(true);
  units.unit[static_cast<std::size_t>(units::Quantity::Pressure)] = kMegapascal;
  request.pressures = {ToWorking(units::Quantity::Pressure, 150, kMegapascal)};
  request.temperatures = {ToWorking(units::Quantity::Temperature, 100.5, 1),
                          ToWorking(units::Quantity::Temperature, 300, 1)};
  SweepTable table(request.kind, request.columns);
  RunSweep(request, libraries, {}, [&table](const SweepChunk& chunk) {
    table.Append(chunk);
    return true;
  });
  ASSERT_EQ(table.RowCount(), 2u);
  // 150 MPa is beyond the formulation: the message, which holds a comma,
  // stays with its row.
  ASSERT_NE(table.Message(0).find(','), std::string::npos) << table.Message(0);

  for (const DelimitedStyle style : {DelimitedStyle{',', '.'}, DelimitedStyle{';', ','},
                                     DelimitedStyle{'\t', ','}}) {
    std::string text;
    AppendDelimitedHeader(text, table, units, style);
    AppendDelimitedRows(text, table, units, style, 0, table.RowCount());
    const Records records = ReadDelimited(text, style.separator);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0],
              (std::vector<std::string>{"temperature [\u00B0C]", "pressure [MPa]",
                                        "specific_volume [m\u00B3/kg]",
                                        "internal_energy [kJ/kg]", "enthalpy [kJ/kg]",
                                        "entropy [kJ/kg-K]", "superheat [K]", "mark", "message"}));
    for (std::size_t r = 0; r < table.RowCount(); ++r) {
      ASSERT_EQ(records[r + 1].size(), table.ColumnCount());
      for (std::size_t c = 0; c < table.NumericColumns().size(); ++c) {
        const double expected = table.Value(r, c, units);
        const std::string& cell = records[r + 1][c];
        if (std::isnan(expected)) {
          EXPECT_EQ(cell, "");
        } else {
          // Twelve digits survive.
          EXPECT_NEAR(Read(cell, style.decimal), expected, 1e-11 * std::fabs(expected)) << cell;
        }
      }
      EXPECT_EQ(records[r + 1].back(), table.Message(r));
    }
    EXPECT_EQ(records[1][0], style.decimal == ',' ? "100,5" : "100.5");
  }
}

TEST(DelimitedTable, NumbersKeepTwelveDigitsWithoutConversionNoise) {
  struct Case {
    double value;
    const char* text;
  };
  for (const Case& c : {Case{100.0, "100"}, Case{-0.0, "0"}, Case{0.101418, "0.101418"},
                        Case{1e-5, "1e-05"}, Case{1.0 / 3.0, "0.333333333333"},
                        Case{(32.018 - 32) / 1.8, "0.01"}, Case{2675.5720290534183, "2675.57202905"},
                        Case{-1234567.25, "-1234567.25"}}) {
    EXPECT_EQ(NumberText(c.value), c.text) << c.value;
  }
  EXPECT_EQ(NumberText(2.5, ','), "2,5");
  EXPECT_EQ(NumberText(NAN), "");
}

}  // namespace
}  // namespace analysis
