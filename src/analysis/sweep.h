// Property tables and sweeps: saturation tables by temperature or pressure, a
// grid of pressures by temperatures (a block per pressure, headed by its
// saturated vapour), and sweeps along an isobar or an isotherm, which get the
// saturated liquid and vapour inserted where they cross the line.
//
// Single-phase rows are Solve's from T and p; saturated rows are Solve's from
// T or p and the quality 0 or 1, that is the formulation's own saturation
// functions through the same libraries; the critical row is the
// formulation's own critical point. Numbers stay in the working units of a
// SteamState until they are shown or written.
//
// A sweep produces its rows in order, in chunks, so a caller can show or
// write them while the rest is computed, and stops between rows when asked.
#ifndef HYDRELIX_ANALYSIS_SWEEP_H
#define HYDRELIX_ANALYSIS_SWEEP_H

#include "analysis/sweep_columns.h"
#include "analysis/sweep_units.h"
#include "steam/property_libraries.h"
#include "steam/steam.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace analysis {

struct SweepRequest {
  SweepKind kind = SweepKind::SaturationByTemperature;
  steam::Formulation formulation = steam::Formulation::IF97;
  // In working units, deg F and psia. An isobar has one pressure, an
  // isotherm one temperature; a saturation table uses only its own list.
  std::vector<double> temperatures;
  std::vector<double> pressures;
  // A preset's table ends at the critical point whatever its last value.
  bool endsAtCriticalPoint = false;
  std::vector<SweepColumn> columns;
  // The units the notes about left-out values speak in.
  TableUnits units = TableUnits::System(false);
  // Worker threads computing a chunk's rows side by side; the rows' order
  // and values do not depend on it.
  unsigned jobs = 1;
  std::size_t chunkRows = 1024;
};

// The text column of grids and sweeps.
enum class RowMark : std::uint8_t { None, Saturated, SaturatedLiquid, SaturatedVapor, Liquid };
// "", "Sat.", "Sat. liquid", "Sat. vapor", "liquid".
const char* MarkText(RowMark mark);
// Whether the kind's tables have the `mark` column.
bool HasMarkColumn(SweepKind kind);

// Rows in order: values row by row in the request's column order, working
// units, NaN where a cell is blank; a refused row has its message.
struct SweepChunk {
  std::size_t firstRow = 0;
  std::size_t columnCount = 0;
  std::vector<double> values;
  std::vector<RowMark> marks;
  std::vector<std::string> messages;

  std::size_t RowCount() const { return marks.size(); }
  double Value(std::size_t row, std::size_t column) const {
    return values[row * columnCount + column];
  }
};

// What the request will produce, known before any row is computed.
struct SweepOutline {
  std::size_t rowCount = 0;
  // One line per group of values left out (below the lowest saturation
  // temperature or pressure, beyond the critical point), in the request's
  // units.
  std::vector<std::string> notes;
  // Why the request cannot run; empty when it can.
  std::string error;
};

struct SweepControl {
  // Set from any thread to stop: the rows delivered so far stand, no chunk
  // is delivered part way.
  const std::atomic<bool>* cancel = nullptr;
  // After each chunk: rows done and rows in all.
  std::function<void(std::size_t done, std::size_t total)> progress;
};

struct SweepSummary {
  std::size_t rows = 0;
  std::size_t refusedRows = 0;
  bool cancelled = false;
};

// Binds both libraries and sets their units, before any sweep thread starts:
// the unit settings are process-wide.
void PrepareLibraries(steam::PropertyLibraries& libraries);

SweepOutline OutlineSweep(const SweepRequest& request, steam::PropertyLibraries& libraries);

// `deliver` takes each chunk in order; it returns false when it can take no
// more (a full disk), which stops the sweep as a cancel does.
SweepSummary RunSweep(const SweepRequest& request, steam::PropertyLibraries& libraries,
                      const SweepControl& control,
                      const std::function<bool(const SweepChunk&)>& deliver);

}  // namespace analysis

#endif
