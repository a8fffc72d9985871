// SPDX-License-Identifier: GPL-3.0-or-later
// A CSV file of states through the calculator: the header names two input
// columns, "NAME" or "NAME [UNIT]"; every row gets the fifteen results, the
// region, the phase and, for a row not computed, the reason. Rows stream
// through in bounded memory and are computed on several threads; the output
// is the same whatever their number.
#ifndef HYDRELIX_CLI_BATCH_RUN_H
#define HYDRELIX_CLI_BATCH_RUN_H

#include <cstdio>
#include <iosfwd>
#include <string>

#include "cli/row_writer.h"
#include "cli/state_report.h"
#include "steam/property_libraries.h"

namespace cli {

struct BatchOptions {
  ReportOptions report;
  RowFormat format = RowFormat::Csv;
  int jobs = 1;
  std::string input;   // a file name, or "-" for standard input
  std::string output;  // a file name, or empty for standard output
  bool progress = false;
};

// The exit statuses of a batch run.
inline constexpr int kEveryRowComputed = 0;
inline constexpr int kSomeRowsRefused = 1;
inline constexpr int kBatchUnusable = 2;

// Runs the batch; reasons go to `errors`. Returns one of the statuses above,
// or ends the program by the signal that interrupted it.
int RunBatch(const BatchOptions& options, steam::PropertyLibraries& libraries,
             std::ostream& errors);

}  // namespace cli

#endif
