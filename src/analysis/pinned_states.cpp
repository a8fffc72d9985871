#include "analysis/pinned_states.h"

#include "analysis/input_results.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <utility>

namespace analysis {

namespace {

// The n of a name "P<n>", nothing for any other name.
std::optional<unsigned long> DefaultNumber(const std::string& name) {
  if (name.size() < 2 || name.size() > 6 || name[0] != 'P') return std::nullopt;
  unsigned long number = 0;
  for (std::size_t i = 1; i < name.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
    number = number * 10 + static_cast<unsigned long>(name[i] - '0');
  }
  return number;
}

bool Trimmed(const std::string& text, std::string& out) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return false;
  const auto last = text.find_last_not_of(" \t\r\n");
  out = text.substr(first, last - first + 1);
  return true;
}

}  // namespace

bool Pin::IsInput(steam::Result result) const {
  const std::array<steam::Result, 2> inputs = InputResults(pair);
  return result == inputs[0] || result == inputs[1];
}

double Pin::Value(steam::Result result) const {
  using steam::Result;
  switch (result) {
    case Result::Temperature: return temperature;
    case Result::Pressure: return pressure;
    case Result::Quality: return quality;
    case Result::Enthalpy: return enthalpy;
    case Result::Entropy: return entropy;
    case Result::SpecificVolume: return volume;
    default: return std::nan("");
  }
}

Pin PinOf(const steam::SteamState& state, std::string name) {
  Pin pin;
  pin.name = std::move(name);
  pin.formulation = state.formulation;
  pin.pair = state.pair;
  pin.temperature = state.values.Temperature;
  pin.pressure = state.values.Pressure;
  pin.quality = state.values.Quality;
  pin.enthalpy = state.values.Enthalpy;
  pin.entropy = state.values.Entropy;
  pin.volume = state.values.SpecificVolume;
  return pin;
}

std::optional<std::size_t> PinnedStates::Add(const steam::SteamState& state) {
  if (Full()) return std::nullopt;
  unsigned long highest = 0;
  for (const Pin& pin : pins_) highest = std::max(highest, DefaultNumber(pin.name).value_or(0));
  pins_.push_back(PinOf(state, "P" + std::to_string(highest + 1)));
  return pins_.size() - 1;
}

bool PinnedStates::Append(Pin pin) {
  if (Full()) return false;
  pins_.push_back(std::move(pin));
  return true;
}

void PinnedStates::Rename(std::size_t row, const std::string& name) {
  std::string trimmed;
  if (row >= pins_.size() || !Trimmed(name, trimmed)) return;
  pins_[row].name = trimmed;
}

void PinnedStates::Remove(std::size_t row) {
  if (row >= pins_.size()) return;
  pins_.erase(pins_.begin() + static_cast<std::ptrdiff_t>(row));
  if (!reference_) return;
  if (*reference_ == row) {
    reference_.reset();
  } else if (*reference_ > row) {
    --*reference_;
  }
}

void PinnedStates::MoveUp(std::size_t row) {
  if (row == 0 || row >= pins_.size()) return;
  std::swap(pins_[row - 1], pins_[row]);
  if (reference_ == row) {
    reference_ = row - 1;
  } else if (reference_ == row - 1) {
    reference_ = row;
  }
}

void PinnedStates::MoveDown(std::size_t row) {
  if (row + 1 >= pins_.size()) return;
  MoveUp(row + 1);
}

void PinnedStates::Clear() {
  pins_.clear();
  reference_.reset();
}

void PinnedStates::SetReference(std::size_t row) {
  if (row < pins_.size()) reference_ = row;
}

std::optional<std::size_t> PinnedStates::ReferenceRow() const {
  if (pins_.empty()) return std::nullopt;
  return reference_.value_or(0);
}

std::optional<PinDifferences> PinnedStates::DifferencesOf(std::size_t row) const {
  if (row >= pins_.size()) return std::nullopt;
  std::size_t base = 0;
  if (base_ == DifferenceBase::Previous) {
    if (row == 0) return std::nullopt;
    base = row - 1;
  } else {
    base = *ReferenceRow();
    if (base == row) return std::nullopt;
  }
  const Pin& pin = pins_[row];
  const Pin& from = pins_[base];
  return PinDifferences{base, pin.temperature - from.temperature, pin.enthalpy - from.enthalpy,
                        pin.entropy - from.entropy, pin.formulation != from.formulation};
}

}  // namespace analysis
