// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/process_table.h"

#include "units/display_format.h"
#include "units/exact_conversions.h"
#include "units/unit_names.h"

#include <cctype>

namespace analysis {
namespace {

// The display formats of temperature, pressure, quality, enthalpy, entropy
// and specific volume.
constexpr std::size_t kFormats[] = {0, 1, 2, 3, 4, 5};

struct Column {
  const char* caption;
  std::optional<units::Quantity> quantity;
  steam::Result result;
};

constexpr Column kColumns[] = {
    {"Temperature", units::Quantity::Temperature, steam::Result::Temperature},
    {"Pressure", units::Quantity::Pressure, steam::Result::Pressure},
    {"Quality", std::nullopt, steam::Result::Quality},
    {"Enthalpy", units::Quantity::Enthalpy, steam::Result::Enthalpy},
    {"Entropy", units::Quantity::Entropy, steam::Result::Entropy},
    {"Specific Volume", units::Quantity::SpecificVolume, steam::Result::SpecificVolume},
};

int16_t UnitOf(const ProcessDisplay& display, units::Quantity quantity) {
  switch (quantity) {
    case units::Quantity::Temperature: return display.temperature;
    case units::Quantity::Pressure: return display.pressure;
    case units::Quantity::Enthalpy: return display.enthalpy;
    case units::Quantity::Entropy: return display.entropy;
    default: return display.volume;
  }
}

std::string ValueText(const steam::SteamState& state, std::size_t column,
                      const ProcessDisplay& display) {
  const Column& c = kColumns[column];
  double value = state.Value(c.result);
  if (c.quantity)
    value = units::ExactInUnit(*c.quantity, value, state.values.MolarMass, UnitOf(display, *c.quantity));
  return units::FormatValue(value, units::kDisplayFormatSettings[kFormats[column]].defaultFormat,
                            display.locale);
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '&') out += "&amp;";
    else out += c;
  }
  return out;
}

void AppendTable(CopiedTexts& out, const std::vector<std::string>& header,
                 const std::vector<std::vector<std::string>>& rows) {
  auto line = [&out](const std::vector<std::string>& cells, const char* tag) {
    out.html += "<tr>";
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) out.text += '\t';
      out.text += cells[i];
      out.html += std::string("<") + tag + ">" + Escaped(cells[i]) + "</" + tag + ">";
    }
    out.text += '\n';
    out.html += "</tr>";
  };
  out.html += "<table>";
  line(header, "th");
  for (const auto& row : rows) line(row, "td");
  out.html += "</table>";
}

}  // namespace

std::string StateCaption(const std::string& key) { return FigureCaption(key); }

std::string FigureCaption(const std::string& key) {
  std::string out = key;
  for (char& c : out) {
    if (c == '_') c = ' ';
  }
  if (!out.empty()) out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
  return out;
}

ProcessTexts TextsOf(const ProcessResult& result, const ProcessDisplay& display) {
  ProcessTexts texts;
  texts.stateHeader.push_back("State");
  for (const Column& c : kColumns) {
    std::string caption = c.caption;
    if (c.quantity) caption += " [" + units::UnitLabel(*c.quantity, UnitOf(display, *c.quantity)) + "]";
    texts.stateHeader.push_back(caption);
  }
  for (const ProcessState& entry : result.states) {
    if (!entry.state) continue;
    std::vector<std::string> row{StateCaption(entry.key)};
    for (std::size_t column = 0; column < std::size(kColumns); ++column)
      row.push_back(ValueText(*entry.state, column, display));
    texts.stateRows.push_back(std::move(row));
    texts.rowStates.push_back(&*entry.state);
  }
  texts.figureHeader = {"Result", "Value", "Unit"};
  for (const ProcessFigure& figure : result.figures) {
    const ShownFigure shown = ShowFigure(figure, display.Figures(), display.locale);
    texts.figureRows.push_back({FigureCaption(figure.key), shown.text, shown.unit});
  }
  return texts;
}

std::string StateSummary(const steam::SteamState& state, const ProcessDisplay& display) {
  static const char* const kSymbols[] = {"T", "p", "x", "h", "s", "v"};
  std::string out;
  for (std::size_t column = 0; column < std::size(kColumns); ++column) {
    if (column > 0) out += "   ";
    out += std::string(kSymbols[column]) + " " + ValueText(state, column, display);
    const Column& c = kColumns[column];
    if (c.quantity) out += " " + units::UnitLabel(*c.quantity, UnitOf(display, *c.quantity));
  }
  return out;
}

CopiedTexts CopyOf(const ProcessTexts& texts) {
  CopiedTexts out;
  AppendTable(out, texts.stateHeader, texts.stateRows);
  out.text += '\n';
  AppendTable(out, texts.figureHeader, texts.figureRows);
  return out;
}

}  // namespace analysis
