#include "analysis/pin_table.h"

#include "analysis/formulation_names.h"
#include "units/display_format.h"

#include <array>

namespace analysis {

namespace {

using steam::Result;

constexpr std::array<Result, 6> kPinnedResults = {Result::Temperature, Result::Pressure,
                                                  Result::Quality,     Result::Enthalpy,
                                                  Result::Entropy,     Result::SpecificVolume};
constexpr std::array<const char*, 6> kPinnedSymbols = {"T", "p", "x", "h", "s", "v"};

std::string Headed(const std::string& symbol, const std::string& unit) {
  return unit == "-" ? symbol : symbol + " [" + unit + "]";
}

// The difference of the two values as shown, so that a difference read off
// the table agrees with the values beside it in the unit the user picked.
std::string ShownDifference(const DisplayUnits& shown, Result result, const Pin& pin,
                            const Pin& base) {
  const double difference =
      shown.Express(result, pin.Value(result)) - shown.Express(result, base.Value(result));
  // The offset of a temperature scale has cancelled: what is left is an
  // interval, which the °C list shows in kelvins.
  return units::FormatValue(difference, shown.formats[static_cast<std::size_t>(result)],
                            shown.locale);
}

}  // namespace

std::optional<steam::Result> PinColumnResult(int column) {
  const int index = column - kPinFirstValueColumn;
  if (index < 0 || index >= static_cast<int>(kPinnedResults.size())) return std::nullopt;
  return kPinnedResults[static_cast<std::size_t>(index)];
}

TextTable PinTable(const PinnedStates& pins, const DisplayUnits& shown) {
  TextTable table;
  table.header = {"Name", "Formulation", "Inputs"};
  for (std::size_t i = 0; i < kPinnedResults.size(); ++i) {
    table.header.push_back(Headed(kPinnedSymbols[i], shown.Label(kPinnedResults[i])));
  }
  table.header.push_back(Headed("\u0394T", shown.DifferenceLabel(Result::Temperature)));
  table.header.push_back(Headed("\u0394h", shown.DifferenceLabel(Result::Enthalpy)));
  table.header.push_back(Headed("\u0394s", shown.DifferenceLabel(Result::Entropy)));
  table.header.push_back("Note");

  // No row is the reference when differences run from row to row.
  const std::size_t reference = pins.Base() == DifferenceBase::Reference
                                    ? pins.ReferenceRow().value_or(pins.Count())
                                    : pins.Count();
  for (std::size_t row = 0; row < pins.Count(); ++row) {
    const Pin& pin = pins.Pins()[row];
    std::vector<std::string> cells = {pin.name, FormulationName(pin.formulation),
                                      PairSymbols(pin.pair)};
    for (Result result : kPinnedResults) cells.push_back(shown.Text(result, pin.Value(result)));
    const std::optional<PinDifferences> differences = pins.DifferencesOf(row);
    if (differences) {
      const Pin& base = pins.Pins()[differences->base];
      for (Result result : {Result::Temperature, Result::Enthalpy, Result::Entropy}) {
        cells.push_back(ShownDifference(shown, result, pin, base));
      }
    } else {
      cells.insert(cells.end(), 3, "");
    }
    if (reference == row) {
      cells.push_back("reference");
    } else {
      cells.push_back(differences && differences->mixed ? "mixed" : "");
    }
    table.rows.push_back(std::move(cells));
  }
  return table;
}

}  // namespace analysis
