// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch_run.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "cli/csv_reader.h"
#include "cli/interruption.h"
#include "cli/ordered_pipeline.h"
#include "cli/output_file.h"
#include "cli/progress_line.h"
#include "units/unit_names.h"

namespace cli {
namespace {

constexpr std::size_t kRowsPerBatch = 256;
constexpr std::size_t kMostBatchesInFlight = 66;

struct InputColumn {
  std::size_t index;
  InputName name;
  std::optional<int16_t> unit;
};

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A header cell "NAME" or "NAME [UNIT]" of an input: nothing for any other
// column; false with `reason` for an input with a unit not of its list.
bool ReadInputColumn(std::string_view cell, std::size_t index, std::optional<InputColumn>& column,
                     std::string& reason) {
  std::string_view text = Trimmed(cell);
  std::string_view unit;
  const std::size_t open = text.find('[');
  if (open != std::string_view::npos) {
    if (text.back() != ']') return true;
    unit = Trimmed(text.substr(open + 1, text.size() - open - 2));
    text = Trimmed(text.substr(0, open));
  }
  const std::optional<InputName> name = InputNamed(text);
  if (!name) return true;
  column = InputColumn{index, *name, std::nullopt};
  if (open == std::string_view::npos) return true;
  const std::optional<units::Quantity> quantity = InputQuantity(*name);
  if (quantity) column->unit = units::FindUnit(*quantity, unit);
  if (!column->unit) {
    reason = "column \"" + std::string(cell) + "\": \"" + std::string(unit) +
             "\" is not a unit of " + InputKey(*name);
    return false;
  }
  return true;
}

struct Batch {
  std::vector<std::vector<std::string>> rows;
  std::vector<bool> unterminated;
};

struct Written {
  std::string text;
  std::size_t rows = 0;
  std::size_t refused = 0;
};

class RowComputer {
 public:
  RowComputer(const BatchOptions& options, std::size_t width, InputColumn a, InputColumn b,
              steam::PropertyLibraries& libraries, const RowWriter& writer)
      : options_(options), width_(width), libraries_(libraries), writer_(writer) {
    columns_[0] = a;
    columns_[1] = b;
    options_.report.texts = false;
  }

  void Compute(const Batch& batch, Written& out) const {
    std::vector<Cell> cells;
    for (std::size_t r = 0; r < batch.rows.size(); ++r) {
      const std::vector<std::string>& row = batch.rows[r];
      cells.clear();
      for (std::size_t i = 0; i < width_; ++i)
        cells.push_back(i < row.size() ? Cell::Of(row[i]) : Cell::Of(""));
      std::string message = Problem(row, batch.unterminated[r]);
      StateReport report;
      if (message.empty()) {
        StateRequest request{{columns_[0].name, columns_[1].name}, {}};
        for (int k = 0; k < 2; ++k) {
          std::string reason;
          std::optional<QuantityText> text =
              ReadQuantity(columns_[k].name, row[columns_[k].index], reason);
          if (!text) {
            message = std::string(InputKey(columns_[k].name)) + ": " + reason;
            break;
          }
          if (!text->unit) text->unit = columns_[k].unit;
          request.texts[k] = std::move(*text);
        }
        if (message.empty()) {
          report = ReportState(request, options_.report, libraries_);
          if (!report.computed) message = report.errorMessage;
        }
      }
      for (const ReportedProperty& property : report.properties) {
        cells.push_back(report.computed && property.value ? Cell::Number(*property.value)
                                                          : Cell::Null());
      }
      cells.push_back(report.region ? Cell::Number(*report.region) : Cell::Null());
      cells.push_back(report.diagnosed ? Cell::Of(report.phase) : Cell::Null());
      cells.push_back(message.empty() ? Cell::Null() : Cell::Of(message));
      writer_.AppendRow(out.text, cells);
      ++out.rows;
      if (!report.computed) ++out.refused;
    }
  }

 private:
  std::string Problem(const std::vector<std::string>& row, bool unterminated) const {
    if (unterminated) return "a quoted cell is not closed before the end of the file";
    if (row.size() != width_) {
      return "the row has " + std::to_string(row.size()) + (row.size() == 1 ? " cell" : " cells") +
             "; the header has " + std::to_string(width_);
    }
    return {};
  }

  BatchOptions options_;
  std::size_t width_;
  InputColumn columns_[2];
  steam::PropertyLibraries& libraries_;
  const RowWriter& writer_;
};

std::vector<std::string> OutputColumns(const std::vector<std::string>& header,
                                       const ReportOptions& report) {
  std::vector<std::string> columns = header;
  for (std::size_t i = 0; i < kResultKeys.size(); ++i) {
    const ResultKey& key = kResultKeys[i];
    const std::string unit = key.quantity ? units::UnitLabel(*key.quantity, report.units[i]) : "-";
    columns.push_back(std::string(key.key) + " [" + unit + "]");
  }
  for (const char* extra : {"region", "phase", "message"}) columns.push_back(extra);
  return columns;
}

}  // namespace

int RunBatch(const BatchOptions& options, steam::PropertyLibraries& libraries,
             std::ostream& errors) {
  const bool fromStandardInput = options.input.empty() || options.input == "-";
  const std::string inputName = fromStandardInput ? "standard input" : options.input;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> opened(nullptr, std::fclose);
  std::FILE* file = stdin;
  std::uint64_t size = 0;
  if (!fromStandardInput) {
    struct stat info {};
    if (::stat(options.input.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
      errors << "hydrelix-cli: cannot read " << inputName << ": " << std::strerror(EISDIR) << '\n';
      return kBatchUnusable;
    }
    opened.reset(std::fopen(options.input.c_str(), "rb"));
    if (!opened) {
      errors << "hydrelix-cli: cannot read " << inputName << ": " << std::strerror(errno) << '\n';
      return kBatchUnusable;
    }
    file = opened.get();
    if (S_ISREG(info.st_mode)) size = static_cast<std::uint64_t>(info.st_size);
  }

  CsvReader reader(file);
  std::vector<std::string> header;
  if (!reader.Next(header)) {
    errors << "hydrelix-cli: " << inputName
           << (reader.Failed() ? ": cannot be read\n" : " has no header line\n");
    return kBatchUnusable;
  }
  std::vector<InputColumn> inputs;
  for (std::size_t i = 0; i < header.size(); ++i) {
    std::optional<InputColumn> column;
    std::string reason;
    if (!ReadInputColumn(header[i], i, column, reason)) {
      errors << "hydrelix-cli: " << inputName << ": " << reason << '\n';
      return kBatchUnusable;
    }
    if (column) inputs.push_back(*column);
  }
  if (inputs.size() != 2 || !PairOf(inputs[0].name, inputs[1].name)) {
    errors << "hydrelix-cli: " << inputName << ": the header names " << inputs.size()
           << (inputs.size() == 1 ? " input" : " inputs")
           << " (T, p, x, h, s); it needs two that form one of " << kPairList << '\n';
    return kBatchUnusable;
  }

  const RowWriter writer(options.format, OutputColumns(header, options.report));
  const RowComputer computer(options, header.size(), inputs[0], inputs[1], libraries, writer);

  Interruption interruption;
  OutputFile output;
  if (!options.output.empty()) {
    std::string error;
    if (!output.Open(options.output, error)) {
      errors << "hydrelix-cli: " << error << '\n';
      return kBatchUnusable;
    }
    interruption.RemoveOnSignal(output.TemporaryPath());
  }
  std::string head;
  writer.AppendHeader(head);
  bool written = output.Write(head);

  ProgressLine progress(options.progress, size);
  std::size_t rows = 0, refused = 0;
  std::atomic<std::uint64_t> position{0};
  // Two batches per thread keep every thread busy; the cap keeps the memory
  // bound however many threads are asked for.
  const std::size_t window = std::min<std::size_t>(2 * static_cast<std::size_t>(options.jobs) + 2,
                                                   kMostBatchesInFlight);
  if (written) {
    written = RunOrdered<Batch, Written>(
        options.jobs, window,
        [&](Batch& batch) {
          std::vector<std::string> fields;
          while (batch.rows.size() < kRowsPerBatch && reader.Next(fields)) {
            batch.rows.push_back(std::move(fields));
            batch.unterminated.push_back(reader.Unterminated());
            fields = {};
          }
          position = reader.Position();
          return !batch.rows.empty();
        },
        [&](const Batch& batch, Written& out) { computer.Compute(batch, out); },
        [&](Written& out) {
          if (!output.Write(out.text)) return false;
          rows += out.rows;
          refused += out.refused;
          progress.Update(rows, position.load());
          return true;
        },
        interruption.Stop());
  }
  progress.Finish();
  if (interruption.Signal() != 0) {
    output.Abandon();
    interruption.Reraise();
  }
  if (written && reader.Failed()) {
    output.Abandon();
    errors << "hydrelix-cli: " << inputName << " could not be read to its end\n";
    return kBatchUnusable;
  }
  if (!written || !output.Commit()) {
    output.Abandon();
    errors << "hydrelix-cli: " << output.Error() << '\n';
    return kBatchUnusable;
  }
  if (refused > 0) {
    errors << "hydrelix-cli: " << refused << " of " << rows
           << (rows == 1 ? " row was" : " rows were") << " not computed\n";
    return kSomeRowsRefused;
  }
  return kEveryRowComputed;
}

}  // namespace cli
