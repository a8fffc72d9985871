// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/sweep.h"

#include "analysis/sweep_plan.h"
#include "analysis/sweep_row.h"
#include "steam/formulation_modules.h"

#include <algorithm>
#include <thread>

namespace analysis {

namespace {

bool Cancelled(const SweepControl& control) {
  return control.cancel != nullptr && control.cancel->load(std::memory_order_relaxed);
}

std::string CheckRequest(const SweepRequest& request) {
  if (request.columns.empty()) return "No columns are chosen.";
  switch (request.kind) {
    case SweepKind::SaturationByTemperature:
      if (request.temperatures.empty() && !request.endsAtCriticalPoint) return "No temperatures are given.";
      break;
    case SweepKind::SaturationByPressure:
      if (request.pressures.empty() && !request.endsAtCriticalPoint) return "No pressures are given.";
      break;
    case SweepKind::Grid:
      if (request.temperatures.empty() || request.pressures.empty()) {
        return "A grid needs pressures and temperatures.";
      }
      break;
    case SweepKind::IsobarSweep:
      if (request.pressures.size() != 1) return "An isobar sweep needs one pressure.";
      if (request.temperatures.empty()) return "No temperatures are given.";
      break;
    case SweepKind::IsothermSweep:
      if (request.temperatures.size() != 1) return "An isotherm sweep needs one temperature.";
      if (request.pressures.empty()) return "No pressures are given.";
      break;
  }
  return {};
}

// Computes the chunk's rows, split into contiguous runs over the jobs. A
// cancelled chunk is left incomplete and returns false.
bool ComputeChunk(const SweepRequest& request, const SaturationLimits& limits,
                  const std::vector<PlannedRow>& plannedRows, steam::PropertyLibraries& libraries,
                  const SweepControl& control, SweepChunk& chunk, std::size_t& refused) {
  const std::size_t rows = plannedRows.size();
  const std::size_t columns = request.columns.size();
  chunk.columnCount = columns;
  chunk.values.assign(rows * columns, 0.0);
  chunk.marks.assign(rows, RowMark::None);
  chunk.messages.assign(rows, std::string());
  std::vector<unsigned char> refusedRows(rows, 0);
  std::atomic<bool> stopped{false};
  auto work = [&](std::size_t begin, std::size_t end) {
    for (std::size_t row = begin; row < end; ++row) {
      if (Cancelled(control)) {
        stopped = true;
        return;
      }
      RowOutput out{&chunk.values[row * columns], &chunk.marks[row], &chunk.messages[row]};
      refusedRows[row] = ComputeRow(request, limits, plannedRows[row], libraries, out) ? 0 : 1;
    }
  };
  const std::size_t jobs = std::clamp<std::size_t>(request.jobs, 1, std::max<std::size_t>(rows, 1));
  if (jobs == 1) {
    work(0, rows);
  } else {
    std::vector<std::thread> threads;
    const std::size_t share = (rows + jobs - 1) / jobs;
    for (std::size_t j = 1; j < jobs; ++j) {
      const std::size_t begin = std::min(rows, j * share);
      threads.emplace_back(work, begin, std::min(rows, begin + share));
    }
    work(0, std::min(rows, share));
    for (std::thread& thread : threads) thread.join();
  }
  if (stopped) return false;
  refused += static_cast<std::size_t>(std::count(refusedRows.begin(), refusedRows.end(), 1));
  return true;
}

}  // namespace

const char* MarkText(RowMark mark) {
  switch (mark) {
    case RowMark::None: return "";
    case RowMark::Saturated: return "Sat.";
    case RowMark::SaturatedLiquid: return "Sat. liquid";
    case RowMark::SaturatedVapor: return "Sat. vapor";
    case RowMark::Liquid: return "liquid";
  }
  return "";
}

bool HasMarkColumn(SweepKind kind) { return !IsSaturationTable(kind); }

void PrepareLibraries(steam::PropertyLibraries& libraries) {
  steam::basSteam97Functions::SetUnits97(libraries);
  steam::basSteam67Functions::SetUnits67(libraries);
}

SweepOutline OutlineSweep(const SweepRequest& request, steam::PropertyLibraries& libraries) {
  SweepOutline outline;
  outline.error = CheckRequest(request);
  if (!outline.error.empty()) return outline;
  const SaturationLimits limits = LimitsOf(request.formulation, libraries);
  RowCursor cursor(request, limits, libraries);
  PlannedRow planned;
  while (cursor.Next(planned)) ++outline.rowCount;
  outline.notes = cursor.Notes();
  return outline;
}

SweepSummary RunSweep(const SweepRequest& request, steam::PropertyLibraries& libraries,
                      const SweepControl& control,
                      const std::function<bool(const SweepChunk&)>& deliver) {
  SweepSummary summary;
  if (!CheckRequest(request).empty()) return summary;
  const SaturationLimits limits = LimitsOf(request.formulation, libraries);
  std::size_t total = 0;
  {
    RowCursor counter(request, limits, libraries);
    PlannedRow planned;
    while (counter.Next(planned)) ++total;
  }
  // A library that cannot be had is tried again at every call, which is no
  // work for several threads at once.
  SweepRequest run = request;
  if (libraries.Hydrix() == nullptr || libraries.Calorix() == nullptr) run.jobs = 1;
  const std::size_t chunkRows = std::max<std::size_t>(run.chunkRows, 1);

  RowCursor cursor(run, limits, libraries);
  std::vector<PlannedRow> plannedRows;
  SweepChunk chunk;
  for (bool more = true; more;) {
    plannedRows.clear();
    PlannedRow planned;
    while (plannedRows.size() < chunkRows && (more = cursor.Next(planned))) plannedRows.push_back(planned);
    if (plannedRows.empty()) break;
    if (Cancelled(control) ||
        !ComputeChunk(run, limits, plannedRows, libraries, control, chunk, summary.refusedRows)) {
      summary.cancelled = true;
      return summary;
    }
    chunk.firstRow = summary.rows;
    const bool taken = deliver(chunk);
    summary.rows += chunk.RowCount();
    if (control.progress) control.progress(summary.rows, total);
    if (!taken) {
      summary.cancelled = true;
      return summary;
    }
  }
  return summary;
}

}  // namespace analysis
