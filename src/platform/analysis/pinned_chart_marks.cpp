#include "platform/analysis/pinned_chart_marks.h"

namespace platform {

std::vector<analysis::ChartMark> PinnedChartMarks::Marks() const {
  std::vector<analysis::ChartMark> marks;
  for (const analysis::Pin& pin : pins_.Pins().Pins()) marks.push_back(analysis::ChartMarkOf(pin));
  return marks;
}

void PinnedChartMarks::Pin(const steam::SteamState& state, const std::string& name) {
  pins_.PinState(state, name);
}

}  // namespace platform
