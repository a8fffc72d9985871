#include "analysis/sweep_form.h"

#include "analysis/sweep_range.h"

namespace analysis {

namespace {

// The range text's values in working units, or the reason it has none.
std::string ReadValues(const std::string& text, bool logarithmic, units::Quantity quantity,
                       const TableUnits& units, const char* name, std::vector<double>& working,
                       bool* endsAtCriticalPoint) {
  const SweepValues values = ParseSweepValues(text, logarithmic);
  if (!values.ok()) return std::string("The ") + name + " are not understood: " + values.error;
  int16_t unit = units.Of(quantity);
  if (!values.unit.empty()) {
    const std::optional<int16_t> named = FindUnit(quantity, values.unit);
    if (!named) return "\"" + values.unit + "\" is not a unit of " + name + ".";
    unit = *named;
  }
  working.clear();
  for (double value : values.values) working.push_back(WorkingValue(quantity, value, unit, false));
  if (endsAtCriticalPoint != nullptr) *endsAtCriticalPoint = values.endsAtCriticalPoint;
  return {};
}

}  // namespace

bool UsesTemperatures(SweepKind kind) { return kind != SweepKind::SaturationByPressure; }
bool UsesPressures(SweepKind kind) { return kind != SweepKind::SaturationByTemperature; }

FormRequest RequestFromForm(const SweepForm& form) {
  FormRequest out;
  SweepRequest& request = out.request;
  request.kind = form.kind;
  request.formulation = form.formulation;
  request.columns = form.columns.empty() ? DefaultColumns(form.kind) : form.columns;
  request.units = form.units;
  if (UsesTemperatures(form.kind)) {
    out.error = ReadValues(form.temperatures, form.logarithmic, units::Quantity::Temperature,
                           form.units, "temperatures", request.temperatures,
                           form.kind == SweepKind::SaturationByTemperature
                               ? &request.endsAtCriticalPoint
                               : nullptr);
    if (!out.error.empty()) return out;
  }
  if (UsesPressures(form.kind)) {
    out.error = ReadValues(form.pressures, form.logarithmic, units::Quantity::Pressure,
                           form.units, "pressures", request.pressures, nullptr);
    if (!out.error.empty()) return out;
  }
  if (form.kind == SweepKind::IsobarSweep && request.pressures.size() != 1) {
    out.error = "An isobar sweep takes one pressure.";
  } else if (form.kind == SweepKind::IsothermSweep && request.temperatures.size() != 1) {
    out.error = "An isotherm sweep takes one temperature.";
  }
  return out;
}

}  // namespace analysis
