#include "analysis/formulation_names.h"

#include <array>
#include <utility>

namespace analysis {

namespace {

constexpr std::array<std::pair<steam::InputPair, const char*>, 7> kPairSymbols = {{
    {steam::InputPair::TemperaturePressure, "T, p"},
    {steam::InputPair::TemperatureQuality, "T, x"},
    {steam::InputPair::TemperatureEnthalpy, "T, h"},
    {steam::InputPair::TemperatureEntropy, "T, s"},
    {steam::InputPair::PressureQuality, "p, x"},
    {steam::InputPair::PressureEnthalpy, "p, h"},
    {steam::InputPair::PressureEntropy, "p, s"},
}};

}  // namespace

std::optional<steam::Formulation> FormulationNamed(std::string_view name) {
  for (steam::Formulation formulation : {steam::Formulation::IF97, steam::Formulation::IFC67}) {
    if (name == FormulationName(formulation)) return formulation;
  }
  return std::nullopt;
}

const char* PairSymbols(steam::InputPair pair) {
  for (const auto& [candidate, symbols] : kPairSymbols) {
    if (candidate == pair) return symbols;
  }
  return "";
}

std::optional<steam::InputPair> PairWithSymbols(std::string_view symbols) {
  for (const auto& [pair, candidate] : kPairSymbols) {
    if (symbols == candidate) return pair;
  }
  return std::nullopt;
}

}  // namespace analysis
