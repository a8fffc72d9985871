// What the charts mark besides their lines: the current state, the pinned
// states and processes (named lists of states drawn through states computed
// between them), all as points in SI.
#ifndef HYDRELIX_ANALYSIS_CHART_MARKS_H
#define HYDRELIX_ANALYSIS_CHART_MARKS_H

#include "analysis/chart_engine.h"
#include "analysis/chart_point.h"
#include "analysis/pinned_states.h"
#include "steam/steam.h"

#include <string>
#include <vector>

namespace analysis {

// A computed state as the charts place it: its working values in SI, with
// its quality when it is wet.
ChartPoint ChartPointOf(const steam::SteamState& state);

struct ChartMark {
  std::string name;
  ChartPoint point;
};

// A pinned state's mark, from the values the pin holds.
ChartMark ChartMarkOf(const Pin& pin);

// Where the charts read the pinned states and keep a state pinned from a
// chart; the pinned states' own model stands behind it in the program.
class ChartPinStore {
 public:
  virtual ~ChartPinStore() = default;
  virtual std::vector<ChartMark> Marks() const = 0;
  virtual void Pin(const steam::SteamState& state, const std::string& name) = 0;
};

// Pins held by the charts alone, for a program or test without the pinned
// states' model.
class ChartPinList final : public ChartPinStore {
 public:
  std::vector<ChartMark> Marks() const override { return marks_; }
  void Pin(const steam::SteamState& state, const std::string& name) override;

 private:
  std::vector<ChartMark> marks_;
};

// The name of a pin made on a chart: the chart's short title and one more
// than the highest number such a name carries among `marks` ("T-s 3").
std::string ChartPinName(const char* chart, const std::vector<ChartMark>& marks);

struct ChartProcess {
  std::string name;
  std::vector<ChartPoint> points;
};

// The polyline through `states`, with each leg drawn through states the
// formulation computes between its ends: along the isobar when both ends
// share a pressure, along the isentrope when they share an entropy, along
// the isotherm when they share a temperature, and otherwise with pressure
// stepping geometrically and enthalpy evenly. The given states are points of
// the line.
ChartProcess ProcessThrough(const ChartEngine& engine, std::string name,
                            const std::vector<ChartPoint>& states, int stepsPerLeg = 32);
// The same through states Solve computed, under the first one's formulation.
ChartProcess ProcessThrough(std::string name, const std::vector<steam::SteamState>& states,
                            int stepsPerLeg = 32);

}  // namespace analysis

#endif
