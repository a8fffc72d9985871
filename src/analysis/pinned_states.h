// Pinned states: computed states the user keeps side by side, with their
// differences. A pin holds values, not inputs to compute again: it is what
// the calculator showed, in working units, and a unit change only
// re-expresses it. The pins window, the charts and the process steps read
// pins through this header.
#ifndef HYDRELIX_ANALYSIS_PINNED_STATES_H
#define HYDRELIX_ANALYSIS_PINNED_STATES_H

#include "steam/steam.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace analysis {

struct Pin {
  std::string name;
  steam::Formulation formulation = steam::Formulation::IF97;
  // The two inputs the state was computed from.
  steam::InputPair pair = steam::InputPair::TemperaturePressure;
  // Working units: deg F, psia, vapour fraction, Btu/lbmol, Btu/(lbmol R),
  // ft3/lbmol (as steam::SteamState holds them).
  double temperature = 0.0;
  double pressure = 0.0;
  double quality = 0.0;
  double enthalpy = 0.0;
  double entropy = 0.0;
  double volume = 0.0;

  // Whether the result was one of the two inputs (Temperature, Pressure,
  // Quality, Enthalpy or Entropy).
  bool IsInput(steam::Result result) const;
  // The held value of one of the six pinned results, NaN for the others.
  double Value(steam::Result result) const;
};

// The pin of a computed state, named `name`.
Pin PinOf(const steam::SteamState& state, std::string name);

// What the differences of a row are taken against.
enum class DifferenceBase { Reference, Previous };

// Differences of one pin against its base, in working units.
struct PinDifferences {
  std::size_t base;  // the row they are taken against
  double temperature;
  double enthalpy;
  double entropy;
  // The two pins were computed under different formulations.
  bool mixed;
};

class PinnedStates {
 public:
  static constexpr std::size_t kCapacity = 50;

  const std::vector<Pin>& Pins() const { return pins_; }
  std::size_t Count() const { return pins_.size(); }
  bool Full() const { return pins_.size() >= kCapacity; }

  // Appends the state as a pin named "P<n>", n one above the highest number
  // such a name already carries. Nothing when fifty are held.
  std::optional<std::size_t> Add(const steam::SteamState& state);
  // Appends a pin as it is (a pin read back from the file). False when full.
  bool Append(Pin pin);
  // A blank or unchanged name keeps the old one.
  void Rename(std::size_t row, const std::string& name);
  void Remove(std::size_t row);
  // Swaps the row with its neighbour; the reference moves with its pin.
  void MoveUp(std::size_t row);
  void MoveDown(std::size_t row);
  void Clear();

  // The row the differences are taken against in the Reference mode: the one
  // the user set, the first row until then or once it is removed.
  void SetReference(std::size_t row);
  std::optional<std::size_t> ChosenReference() const { return reference_; }
  std::optional<std::size_t> ReferenceRow() const;

  DifferenceBase Base() const { return base_; }
  void SetBase(DifferenceBase base) { base_ = base; }

  // The row's differences against its base (row minus base), nothing for
  // the base itself and for the first row in the Previous mode.
  std::optional<PinDifferences> DifferencesOf(std::size_t row) const;

 private:
  std::vector<Pin> pins_;
  std::optional<std::size_t> reference_;
  DifferenceBase base_ = DifferenceBase::Reference;
};

}  // namespace analysis

#endif
