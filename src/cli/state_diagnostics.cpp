#include "cli/state_diagnostics.h"

namespace cli {

// The analysis module's diagnostics are not part of the build yet: reports
// leave their keys out until they are.
std::optional<StateDiagnostics> DiagnoseState(const steam::SteamState&) { return std::nullopt; }

}  // namespace cli
