// The values a table runs through, as the user writes them:
//   START:END:STEP[UNIT]   evenly spaced; the end is kept when a step lands
//                          within 1e-9 (relative) of it
//   A,B,C[UNIT]            a list, the unit once after the last value
//   START:END:N --log      N points per decade from START, up to END
// or a preset's name ("Textbook SI", "Textbook IP"). Values stay doubles, in
// the unit written (or none); a value given twice is kept once, in its first
// place.
#ifndef HYDRELIX_ANALYSIS_SWEEP_RANGE_H
#define HYDRELIX_ANALYSIS_SWEEP_RANGE_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace analysis {

// The most values one range may expand to.
inline constexpr std::size_t kMaxRangeValues = 1000000;

struct SweepValues {
  std::vector<double> values;
  // The unit written after the last value, trimmed; empty when none was.
  std::string unit;
  // A preset ends at the formulation's critical point, whatever it is.
  bool endsAtCriticalPoint = false;
  // Why the text was refused; empty when it was read.
  std::string error;

  bool ok() const { return error.empty(); }
};

SweepValues ParseSweepValues(std::string_view text, bool logarithmic);

// The saturation temperatures of the printed steam tables.
inline constexpr const char* kTextbookSi = "Textbook SI";
inline constexpr const char* kTextbookIp = "Textbook IP";
SweepValues PresetValues(std::string_view name);
bool IsPresetName(std::string_view text);

}  // namespace analysis

#endif
