// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/state_output.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "cli/row_writer.h"
#include "cli/shortest_number.h"
#include "units/display_format.h"

namespace cli {
namespace {

constexpr std::size_t kTemperatureFormat = 0;
constexpr std::size_t kPressureFormat = 1;

void AppendNumber(std::string& out, const std::optional<double>& value) {
  if (value)
    AppendShortest(out, *value);
  else
    out += "null";
}

// How a margin's value is shown: with the display format of its quantity.
std::string MarginText(const ReportedMeasure& margin) {
  const bool pressure = std::string_view(margin.key) == "saturation_pressure";
  return units::FormatValue(
      margin.value,
      units::kDisplayFormatSettings[pressure ? kPressureFormat : kTemperatureFormat].defaultFormat,
      units::NumberLocale{});
}

void AppendJsonError(std::string& out, const StateReport& report) {
  out += "{\"error\": {\"message\": ";
  AppendJsonString(out, report.errorMessage);
  out += ", \"title\": ";
  AppendJsonString(out, report.errorTitle);
  out += "}}";
}

}  // namespace

void AppendJsonMeasure(std::string& out, std::string_view key, double value,
                       std::string_view unit) {
  out += ", ";
  AppendJsonString(out, key);
  out += ": {\"value\": ";
  AppendShortest(out, value);
  out += ", \"unit\": ";
  AppendJsonString(out, unit);
  out += '}';
}

void AppendJsonState(std::string& out, const StateReport& report) {
  if (!report.computed) {
    AppendJsonError(out, report);
    return;
  }
  out += "{\"formulation\": ";
  AppendJsonString(out, FormulationName(report.formulation));
  out += report.si ? ", \"units\": \"SI\"" : ", \"units\": \"IP\"";
  const std::array<const char*, 2> inputs = PairKeys(report.pair);
  out += ", \"inputs\": [\"";
  out += inputs[0];
  out += "\", \"";
  out += inputs[1];
  out += "\"], \"properties\": {";
  for (std::size_t i = 0; i < kResultKeys.size(); ++i) {
    const ReportedProperty& property = report.properties[i];
    if (i > 0) out += ", ";
    AppendJsonString(out, kResultKeys[i].key);
    out += ": {\"value\": ";
    AppendNumber(out, property.value);
    out += ", \"unit\": ";
    AppendJsonString(out, property.unit);
    out += ", \"text\": ";
    AppendJsonString(out, property.text);
    out += '}';
  }
  out += '}';
  if (report.diagnosed) {
    out += ", \"region\": ";
    out += report.region ? std::to_string(*report.region) : "null";
    out += ", \"phase\": ";
    AppendJsonString(out, report.phase);
    for (const ReportedMeasure& margin : report.margins)
      AppendJsonMeasure(out, margin.key, margin.value, margin.unit);
  }
  out += '}';
}

namespace {

// Characters on a terminal: UTF-8 sequences count once.
std::size_t Width(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::string Aligned(const std::vector<std::vector<std::string>>& rows,
                    const std::vector<bool>& right) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    if (widths.size() < row.size()) widths.resize(row.size(), 0);
    for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], Width(row[c]));
  }
  std::string out;
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) line += "  ";
      const std::string pad(widths[c] - Width(row[c]), ' ');
      const bool toRight = c < right.size() && right[c];
      line += toRight ? pad + row[c] : row[c] + pad;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line;
    out += '\n';
  }
  return out;
}

namespace {

// The fifteen results in columns property, text and unit; below them where
// the state lies, its margins to saturation in the same columns.
std::string TableText(const StateReport& report) {
  std::vector<std::vector<std::string>> rows;
  for (std::size_t i = 0; i < kResultKeys.size(); ++i) {
    const ReportedProperty& property = report.properties[i];
    rows.push_back({kResultKeys[i].key, property.text, property.unit});
  }
  for (const ReportedMeasure& margin : report.margins)
    rows.push_back({margin.key, MarginText(margin), margin.unit});
  const std::string aligned = Aligned(rows, {false, true, false});
  std::size_t end = 0;
  for (std::size_t i = 0; i < kResultKeys.size(); ++i) end = aligned.find('\n', end) + 1;
  std::string out = aligned.substr(0, end);
  if (!report.diagnosed) return out;
  std::size_t keyWidth = 0;
  for (const auto& row : rows) keyWidth = std::max(keyWidth, row[0].size());
  auto line = [&out, keyWidth](const std::string& key, const std::string& value) {
    out += key + std::string(keyWidth - key.size() + 2, ' ') + value + '\n';
  };
  out += '\n';
  line("region", report.region ? std::to_string(*report.region) : "-");
  line("phase", report.phase);
  out += aligned.substr(end);
  return out;
}

// Exactly one row per result key: scripts read the fifteen rows by count.
// The diagnostics are in the table and JSON formats.
std::string DelimitedText(const StateReport& report, RowFormat format) {
  const RowWriter writer(format, {"property", "value", "unit", "text"});
  std::string out;
  writer.AppendHeader(out);
  for (std::size_t i = 0; i < kResultKeys.size(); ++i) {
    const ReportedProperty& property = report.properties[i];
    writer.AppendRow(out, {Cell::Of(kResultKeys[i].key),
                           property.value ? Cell::Number(*property.value) : Cell::Null(),
                           Cell::Of(property.unit), Cell::Of(property.text)});
  }
  return out;
}

struct Difference {
  std::optional<double> absolute;
  std::optional<double> percent;
};

Difference DifferenceOf(const StateReport& if97, const StateReport& ifc67, std::size_t i) {
  if (!if97.computed || !ifc67.computed) return {};
  const std::optional<double>& a = if97.properties[i].value;
  const std::optional<double>& b = ifc67.properties[i].value;
  if (!a || !b) return {};
  Difference difference;
  difference.absolute = *b - *a;
  if (*a != 0.0) difference.percent = (*b - *a) / std::fabs(*a) * 100.0;
  return difference;
}

std::string ComparisonTable(const StateReport& if97, const StateReport& ifc67) {
  std::vector<std::vector<std::string>> rows{
      {"property", "IAPWS-IF97", "IFC-67", "unit", "difference", "percent"}};
  for (std::size_t i = 0; i < kResultKeys.size(); ++i) {
    const StateReport& any = if97.computed ? if97 : ifc67;
    const Difference difference = DifferenceOf(if97, ifc67, i);
    const std::string_view format = units::kDisplayFormatSettings[i].defaultFormat;
    rows.push_back(
        {kResultKeys[i].key, if97.computed ? if97.properties[i].text : "",
         ifc67.computed ? ifc67.properties[i].text : "", any.properties[i].unit,
         difference.absolute
             ? units::FormatValue(*difference.absolute, format, units::NumberLocale{})
             : "",
         difference.percent
             ? units::FormatValue(*difference.percent, "0.000", units::NumberLocale{}) + " %"
             : ""});
  }
  return Aligned(rows, {false, true, true, false, true, true});
}

std::string ComparisonDelimited(const StateReport& if97, const StateReport& ifc67,
                                RowFormat format) {
  const RowWriter writer(format, {"property", "unit", "if97", "ifc67", "absolute", "percent"});
  std::string out;
  writer.AppendHeader(out);
  auto value = [](const StateReport& report, std::size_t i) {
    return report.computed && report.properties[i].value ? Cell::Number(*report.properties[i].value)
                                                         : Cell::Null();
  };
  auto number = [](const std::optional<double>& v) { return v ? Cell::Number(*v) : Cell::Null(); };
  for (std::size_t i = 0; i < kResultKeys.size(); ++i) {
    const StateReport& any = if97.computed ? if97 : ifc67;
    const Difference difference = DifferenceOf(if97, ifc67, i);
    writer.AppendRow(
        out, {Cell::Of(kResultKeys[i].key), Cell::Of(any.properties[i].unit), value(if97, i),
              value(ifc67, i), number(difference.absolute), number(difference.percent)});
  }
  return out;
}

}  // namespace

std::optional<StateFormat> StateFormatNamed(std::string_view name) {
  if (name == "table") return StateFormat::Table;
  if (name == "json") return StateFormat::Json;
  if (name == "csv") return StateFormat::Csv;
  if (name == "tsv") return StateFormat::Tsv;
  return std::nullopt;
}

std::string StateText(const StateReport& report, StateFormat format) {
  std::string out;
  switch (format) {
    case StateFormat::Json:
      AppendJsonState(out, report);
      out += '\n';
      return out;
    case StateFormat::Table:
      return report.computed ? TableText(report) : out;
    case StateFormat::Csv:
      return report.computed ? DelimitedText(report, RowFormat::Csv) : out;
    case StateFormat::Tsv:
      return report.computed ? DelimitedText(report, RowFormat::Tsv) : out;
  }
  return out;
}

std::string ComparisonText(const StateReport& if97, const StateReport& ifc67, StateFormat format) {
  switch (format) {
    case StateFormat::Json: {
      std::string out = "{\"if97\": ";
      AppendJsonState(out, if97);
      out += ", \"ifc67\": ";
      AppendJsonState(out, ifc67);
      out += ", \"difference\": {";
      for (std::size_t i = 0; i < kResultKeys.size(); ++i) {
        const Difference difference = DifferenceOf(if97, ifc67, i);
        if (i > 0) out += ", ";
        AppendJsonString(out, kResultKeys[i].key);
        out += ": {\"absolute\": ";
        AppendNumber(out, difference.absolute);
        out += ", \"percent\": ";
        AppendNumber(out, difference.percent);
        out += '}';
      }
      out += "}}\n";
      return out;
    }
    case StateFormat::Table:
      return ComparisonTable(if97, ifc67);
    case StateFormat::Csv:
      return ComparisonDelimited(if97, ifc67, RowFormat::Csv);
    case StateFormat::Tsv:
      return ComparisonDelimited(if97, ifc67, RowFormat::Tsv);
  }
  return {};
}

}  // namespace cli
