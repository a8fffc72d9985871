// `hydrelix-cli table KIND`: a property table or sweep written row by row as
// it is computed, in the formats and with the numbers `batch` writes.
#ifndef HYDRELIX_CLI_TABLE_RUN_H
#define HYDRELIX_CLI_TABLE_RUN_H

#include "analysis/sweep_form.h"
#include "cli/row_writer.h"
#include "steam/property_libraries.h"

#include <iosfwd>
#include <string>

namespace cli {

struct TableOptions {
  // The request as the options give it; its units are those of the results.
  analysis::SweepForm form;
  RowFormat format = RowFormat::Csv;
  unsigned jobs = 1;
  std::string output;  // a file name, or empty for standard output
};

// "saturation" (by temperature with --T, by pressure with --p), "isobar",
// "isotherm", "grid"; nothing, with `reason`, for another word or a wrong set
// of ranges.
bool ReadTableKind(const std::string& word, bool temperatures, bool pressures,
                   analysis::SweepKind& kind, std::string& reason);

// Exit statuses as `batch`: 0 every row computed, 1 some refused (their
// count on `errors`), 2 the table could not be made or written.
int RunTable(const TableOptions& options, const analysis::TableUnits& rangeUnits,
             steam::PropertyLibraries& libraries, std::ostream& errors);

}  // namespace cli

#endif
