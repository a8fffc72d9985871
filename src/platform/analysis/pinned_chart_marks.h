// The charts' pins are the pinned states: the charts draw every pin the
// Pinned States window holds, and a pin made on a chart joins that list.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_PINNED_CHART_MARKS_H
#define HYDRELIX_PLATFORM_ANALYSIS_PINNED_CHART_MARKS_H

#include "analysis/chart_marks.h"
#include "platform/analysis/pinned_states_window.h"

namespace platform {

class PinnedChartMarks final : public analysis::ChartPinStore {
 public:
  // `pins` must outlive this object.
  explicit PinnedChartMarks(PinnedStatesWindow& pins) : pins_(pins) {}

  std::vector<analysis::ChartMark> Marks() const override;
  void Pin(const steam::SteamState& state, const std::string& name) override;

 private:
  PinnedStatesWindow& pins_;
};

}  // namespace platform

#endif
