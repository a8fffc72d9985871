#include "analysis/sweep_units.h"

#include "units/unit_catalogue.h"

#include <cctype>
#include <string>

namespace analysis {

namespace {

// The exact definitions of the units (SI brochure and NIST SP 811).
constexpr double kMolarMass = static_cast<double>(18.01528f);  // lb/lbmol, the window's
constexpr double kPascalPerPsi = 6894.757293168361;
constexpr double kPascalPerAtmosphere = 101325.0;
constexpr double kPascalPerMillimetreMercury = 133.322387415;
constexpr double kPascalPerInchMercury = 25.4 * kPascalPerMillimetreMercury;
constexpr double kPascalPerInchWater = 0.0254 * 9.80665 * 1000.0;
constexpr double kKilojoulePerKgPerBtuPerLb = 2.326;
constexpr double kKilojoulePerCalorie = 4.1868e-3;
constexpr double kCubicMetrePerCubicFoot = 0.028316846592;
constexpr double kKilogramPerPound = 0.45359237;
constexpr double kCubicMetrePerKgPerCubicFootPerLb = kCubicMetrePerCubicFoot / kKilogramPerPound;
constexpr double kPascalSecondPerCentipoise = 1e-3;
constexpr double kPascalSecondPerPoundPerFootHour = kKilogramPerPound / (0.3048 * 3600.0);
constexpr double kWattPerMetreKelvinPerBtuPerHourFootF = 1055.05585262 / 3600.0 / 0.3048 * 1.8;
constexpr double kWattPerMetreKelvinPerKcalPerHourMetreK = 4186.8 / 3600.0;
constexpr double kNewtonPerPoundForce = 4.4482216152605;
constexpr double kMetrePerFoot = 0.3048;

const char* Tag(units::Quantity quantity) {
  for (const units::UnitList& list : units::kUnitLists) {
    if (list.quantity == quantity) return list.tag;
  }
  return "";
}

// Lower case, degree sign and "deg" dropped, superscripts as ASCII digits.
std::string Folded(std::string_view label) {
  std::string text(label);
  auto replace = [&text](const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
      text.replace(at, from.size(), to);
      at += to.size();
    }
  };
  replace("\u00B0", "");
  replace("\u00B3", "3");
  replace("\u00B2", "2");
  std::string folded;
  for (char c : text) {
    if (c != ' ') folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  if (folded.rfind("deg", 0) == 0) folded.erase(0, 3);
  return folded;
}

// Pascal in one unit of the pressure list.
double PascalPer(int16_t unit) {
  switch (unit) {
    case 0: return kPascalPerPsi;
    case 1: return kPascalPerAtmosphere;
    case 2: return kPascalPerInchMercury;
    case 3: return kPascalPerInchWater;
    case 4: return kPascalPerMillimetreMercury;
    case 5: return 1e3;
    case 6: return 1.0;
    case 7: return 1e5;
    case kMegapascal: return 1e6;
    default: return 0.0;
  }
}

}  // namespace

TableUnits TableUnits::System(bool si) {
  TableUnits units;
  for (const units::UnitList& list : units::kUnitLists) {
    units.unit[static_cast<std::size_t>(list.quantity)] = si ? list.siUnit : list.ipUnit;
  }
  return units;
}

std::string UnitLabel(units::Quantity quantity, int16_t unit) {
  if (quantity == units::Quantity::Pressure && unit == kMegapascal) return "MPa";
  const std::vector<std::string>* labels = units::UnitLabels(Tag(quantity));
  if (labels == nullptr || unit < 0 || static_cast<std::size_t>(unit) >= labels->size()) return "";
  return (*labels)[static_cast<std::size_t>(unit)];
}

std::optional<int16_t> FindUnit(units::Quantity quantity, std::string_view label) {
  const std::string wanted = Folded(label);
  if (quantity == units::Quantity::Pressure && wanted == "mpa") return kMegapascal;
  const std::vector<std::string>* labels = units::UnitLabels(Tag(quantity));
  if (labels == nullptr) return std::nullopt;
  for (std::size_t i = 0; i < labels->size(); ++i) {
    if (Folded((*labels)[i]) == wanted) return static_cast<int16_t>(i);
  }
  return std::nullopt;
}

double FromWorking(units::Quantity quantity, double w, int16_t unit) {
  using units::Quantity;
  const double m = kMolarMass;
  switch (quantity) {
    case Quantity::Temperature:
      switch (unit) {
        case 0: return w;
        case 1: return (w - 32.0) / 1.8;
        case 2: return w + 459.67;
        case 3: return (w - 32.0) / 1.8 + 273.15;
      }
      break;
    case Quantity::Pressure:
      if (PascalPer(unit) > 0.0) return unit == 0 ? w : w * kPascalPerPsi / PascalPer(unit);
      break;
    case Quantity::Enthalpy: {
      const double kjPerKgmol = w * kKilojoulePerKgPerBtuPerLb;
      switch (unit) {
        case 0: return w;
        case 1: return kjPerKgmol / (kKilojoulePerCalorie * 1e3);
        case 2: return kjPerKgmol;
        case 3: return w / m;
        case 4: return kjPerKgmol / (kKilojoulePerCalorie * 1e3) / m;
        case 5: return kjPerKgmol / m;
      }
      break;
    }
    case Quantity::Entropy:
    case Quantity::Cp:
    case Quantity::Cv: {
      // 1 Btu/(lb R) is 1 cal/(g K) exactly with the international table
      // calorie and Btu.
      const double kjPerKgmolK = w * kKilojoulePerCalorie * 1e3;
      switch (unit) {
        case 0:
        case 1: return w;
        case 2: return kjPerKgmolK;
        case 3:
        case 4: return w / m;
        case 5: return kjPerKgmolK / m;
      }
      break;
    }
    case Quantity::SpecificVolume:
      switch (unit) {
        case 0: return w;
        case 1: return w * kCubicMetrePerKgPerCubicFootPerLb * 1e3;
        case 2: return w * kCubicMetrePerKgPerCubicFootPerLb;
        case 3: return w / m;
        case 4: return w / m * kCubicMetrePerKgPerCubicFootPerLb * 1e3;
        case 5: return w / m * kCubicMetrePerKgPerCubicFootPerLb;
      }
      break;
    case Quantity::Density:
      switch (unit) {
        case 0: return w;
        case 1: return w / kCubicMetrePerKgPerCubicFootPerLb / 1e3;
        case 2: return w / kCubicMetrePerKgPerCubicFootPerLb;
        case 3: return w * m;
        case 4: return w * m / kCubicMetrePerKgPerCubicFootPerLb / 1e3;
        case 5: return w * m / kCubicMetrePerKgPerCubicFootPerLb;
      }
      break;
    case Quantity::Viscosity:
      switch (unit) {
        case 0: return w;
        case 1: return w * kPascalSecondPerCentipoise / kPascalSecondPerPoundPerFootHour;
        case 2:
        case 3: return w * kPascalSecondPerCentipoise;
      }
      break;
    case Quantity::Conductivity:
      switch (unit) {
        case 0: return w;
        case 1:
          return w * kWattPerMetreKelvinPerBtuPerHourFootF /
                 kWattPerMetreKelvinPerKcalPerHourMetreK;
        case 2: return w * kWattPerMetreKelvinPerBtuPerHourFootF;
      }
      break;
    case Quantity::SurfaceTension:
      switch (unit) {
        case 0: return w * 1e3;
        case 1: return w * kMetrePerFoot / kNewtonPerPoundForce;
        case 2: return w;
      }
      break;
    case Quantity::SoundSpeed:
      switch (unit) {
        case 0: return w * 60.0;
        case 1: return w;
        case 2: return w * kMetrePerFoot * 60.0;
        case 3: return w * kMetrePerFoot;
      }
      break;
  }
  return 0.0;
}

double ToWorking(units::Quantity quantity, double value, int16_t unit) {
  if (quantity == units::Quantity::Temperature) {
    switch (unit) {
      case 0: return value;
      case 1: return value * 1.8 + 32.0;
      case 2: return value - 459.67;
      case 3: return (value - 273.15) * 1.8 + 32.0;
    }
    return 0.0;
  }
  if (quantity == units::Quantity::Pressure && PascalPer(unit) > 0.0) {
    return unit == 0 ? value : value * PascalPer(unit) / kPascalPerPsi;
  }
  return 0.0;
}

double DifferenceFromWorking(double fahrenheitDegrees, int16_t temperatureUnit) {
  return temperatureUnit == 1 || temperatureUnit == 3 ? fahrenheitDegrees / 1.8
                                                      : fahrenheitDegrees;
}

std::string DifferenceLabel(int16_t temperatureUnit) {
  return temperatureUnit == 1 || temperatureUnit == 3 ? "K" : UnitLabel(units::Quantity::Temperature, temperatureUnit);
}

}  // namespace analysis
