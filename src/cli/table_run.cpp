#include "cli/table_run.h"

#include "cli/interruption.h"
#include "cli/output_file.h"
#include "cli/shortest_number.h"

#include <cmath>
#include <ostream>

namespace cli {

namespace {

std::vector<std::string> Headers(const analysis::SweepRequest& request) {
  std::vector<std::string> headers;
  for (const analysis::SweepColumn& column : request.columns) {
    headers.push_back(column.key + " [" + analysis::ColumnUnitLabel(column, request.units) + "]");
  }
  if (analysis::HasMarkColumn(request.kind)) headers.push_back("mark");
  headers.push_back("message");
  return headers;
}

void AppendRows(std::string& out, const RowWriter& writer, const analysis::SweepRequest& request,
                const analysis::SweepChunk& chunk) {
  std::vector<Cell> cells;
  for (std::size_t row = 0; row < chunk.RowCount(); ++row) {
    cells.clear();
    for (std::size_t c = 0; c < chunk.columnCount; ++c) {
      const double value =
          analysis::ColumnValue(request.columns[c], chunk.Value(row, c), request.units);
      cells.push_back(std::isfinite(value) ? Cell::Number(value) : Cell::Null());
    }
    if (analysis::HasMarkColumn(request.kind)) {
      const char* mark = analysis::MarkText(chunk.marks[row]);
      cells.push_back(*mark != '\0' ? Cell::Of(mark) : Cell::Null());
    }
    const std::string& message = chunk.messages[row];
    cells.push_back(message.empty() ? Cell::Null() : Cell::Of(message));
    writer.AppendRow(out, cells);
  }
}

}  // namespace

bool ReadTableKind(const std::string& word, bool temperatures, bool pressures,
                   analysis::SweepKind& kind, std::string& reason) {
  using analysis::SweepKind;
  if (word == "saturation") {
    if (temperatures == pressures) {
      reason = "a saturation table takes --T RANGE or --p RANGE, one of them";
      return false;
    }
    kind = temperatures ? SweepKind::SaturationByTemperature : SweepKind::SaturationByPressure;
    return true;
  }
  const struct {
    const char* word;
    SweepKind kind;
    const char* needs;
  } kinds[] = {{"isobar", SweepKind::IsobarSweep, "--p VALUE --T RANGE"},
               {"isotherm", SweepKind::IsothermSweep, "--T VALUE --p RANGE"},
               {"grid", SweepKind::Grid, "--p LIST --T RANGE"}};
  for (const auto& known : kinds) {
    if (word != known.word) continue;
    if (!temperatures || !pressures) {
      reason = std::string("a") + (word == "isobar" || word == "isotherm" ? "n " : " ") + word +
               " takes " + known.needs;
      return false;
    }
    kind = known.kind;
    return true;
  }
  reason = "KIND is saturation, isobar, isotherm or grid, not \"" + word + "\"";
  return false;
}

int RunTable(const TableOptions& options, const analysis::TableUnits& rangeUnits,
             steam::PropertyLibraries& libraries, std::ostream& errors) {
  analysis::SweepForm form = options.form;
  // Ranges without a unit are in the unit system's units, whatever --unit
  // chose for the results.
  form.units = rangeUnits;
  analysis::FormRequest asked = analysis::RequestFromForm(form);
  if (!asked.error.empty()) {
    errors << "hydrelix-cli: " << asked.error << '\n';
    return 2;
  }
  analysis::SweepRequest& request = asked.request;
  request.units = options.form.units;
  request.jobs = options.jobs;
  request.chunkRows = 2048 * options.jobs;
  const analysis::SweepOutline outline = analysis::OutlineSweep(request, libraries);
  if (!outline.error.empty()) {
    errors << "hydrelix-cli: " << outline.error << '\n';
    return 2;
  }
  for (const std::string& note : outline.notes) errors << "hydrelix-cli: " << note << '\n';

  const RowWriter writer(options.format, Headers(request));
  Interruption interruption;
  OutputFile output;
  if (!options.output.empty()) {
    std::string error;
    if (!output.Open(options.output, error)) {
      errors << "hydrelix-cli: " << error << '\n';
      return 2;
    }
    interruption.RemoveOnSignal(output.TemporaryPath());
  }
  std::string text;
  writer.AppendHeader(text);
  bool written = output.Write(text);
  analysis::SweepControl control;
  control.cancel = &interruption.Stop();
  const analysis::SweepSummary summary =
      analysis::RunSweep(request, libraries, control, [&](const analysis::SweepChunk& chunk) {
        text.clear();
        AppendRows(text, writer, request, chunk);
        written = output.Write(text);
        return written;
      });
  if (interruption.Signal() != 0) {
    output.Abandon();
    interruption.Reraise();
  }
  if (!written || !output.Commit()) {
    output.Abandon();
    errors << "hydrelix-cli: " << output.Error() << '\n';
    return 2;
  }
  if (summary.refusedRows > 0) {
    errors << "hydrelix-cli: " << summary.refusedRows << " of " << summary.rows
           << " rows have no state; see their message\n";
    return 1;
  }
  return 0;
}

}  // namespace cli
