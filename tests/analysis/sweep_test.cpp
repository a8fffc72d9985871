// Tables and sweeps computed on the real property libraries.
#include "analysis/sweep.h"

#include "analysis/sweep_range.h"
#include "platform/shared_property_libraries.h"

#include <hydrelix/if97.h>
#include <hydrelix/ifc67.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <string>
#include <vector>

namespace analysis {
namespace {

using steam::Formulation;
using units::Quantity;

const TableUnits kSi = TableUnits::System(true);

// A table as the caller sees it, its cells in SI units with pressures in MPa.
struct Table {
  std::vector<SweepColumn> columns;
  std::vector<std::vector<double>> rows;
  std::vector<RowMark> marks;
  std::vector<std::string> messages;
  SweepSummary summary;
  SweepOutline outline;

  std::size_t Column(const std::string& key) const {
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (columns[i].key == key) return i;
    }
    ADD_FAILURE() << "no column " << key;
    return 0;
  }
  double At(std::size_t row, const std::string& key) const { return rows.at(row)[Column(key)]; }
};

TableUnits SiWithMegapascal() {
  TableUnits units = kSi;
  units.unit[static_cast<std::size_t>(Quantity::Pressure)] = kMegapascal;
  return units;
}

std::vector<double> Working(Quantity quantity, const std::vector<double>& values, int16_t unit) {
  std::vector<double> working;
  for (double v : values) working.push_back(ToWorking(quantity, v, unit));
  return working;
}
std::vector<double> Celsius(const std::vector<double>& values) {
  return Working(Quantity::Temperature, values, 1);
}
std::vector<double> Megapascal(const std::vector<double>& values) {
  return Working(Quantity::Pressure, values, kMegapascal);
}

SweepRequest Request(SweepKind kind, Formulation formulation) {
  SweepRequest request;
  request.kind = kind;
  request.formulation = formulation;
  request.columns = AvailableColumns(kind);
  request.units = SiWithMegapascal();
  return request;
}

class Sweeps : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { PrepareLibraries(libraries_); }

  Table Run(const SweepRequest& request, const SweepControl& control = {}) {
    Table table;
    table.columns = request.columns;
    table.outline = OutlineSweep(request, libraries_);
    const TableUnits units = SiWithMegapascal();
    std::size_t expectedFirst = 0;
    table.summary = RunSweep(request, libraries_, control, [&](const SweepChunk& chunk) {
      EXPECT_EQ(chunk.firstRow, expectedFirst);
      expectedFirst += chunk.RowCount();
      for (std::size_t r = 0; r < chunk.RowCount(); ++r) {
        std::vector<double> row;
        for (std::size_t c = 0; c < chunk.columnCount; ++c) {
          row.push_back(ColumnValue(request.columns[c], chunk.Value(r, c), units));
        }
        table.rows.push_back(row);
        table.marks.push_back(chunk.marks[r]);
        table.messages.push_back(chunk.messages[r]);
      }
      return true;
    });
    return table;
  }

  static platform::SharedPropertyLibraries libraries_;
};

platform::SharedPropertyLibraries Sweeps::libraries_;

TEST_F(Sweeps, SaturationAtOneHundredCelsiusUnderIf97IsTheStandardAtmosphereAndABit) {
  SweepRequest request = Request(SweepKind::SaturationByTemperature, Formulation::IF97);
  request.temperatures = Celsius({100});
  const Table table = Run(request);
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_NEAR(table.At(0, "pressure"), 0.101418, 5e-7);
  EXPECT_DOUBLE_EQ(table.At(0, "temperature"), 100.0);
  // IF-97 at 373.15 K: hf 419.10, hg 2675.6 kJ/kg, vg 1.6718 m3/kg.
  EXPECT_NEAR(table.At(0, "enthalpy_liquid"), 419.10, 0.01);
  EXPECT_NEAR(table.At(0, "enthalpy_vapor"), 2675.6, 0.1);
  EXPECT_NEAR(table.At(0, "specific_volume_vapor"), 1.6718, 1e-4);
  // u = h - p v: uf 418.99, ug 2506.0 kJ/kg.
  EXPECT_NEAR(table.At(0, "internal_energy_liquid"), 418.99, 0.01);
  EXPECT_NEAR(table.At(0, "internal_energy_vapor"), 2506.0, 0.2);
  EXPECT_TRUE(std::isnan(table.At(0, "surface_tension_vapor")));
  EXPECT_NEAR(table.At(0, "surface_tension_liquid"), 58.9, 0.1);  // dyn/cm
}

struct Formulated {
  Formulation formulation;
  const char* name;
  double criticalCelsius;
  double criticalMegapascal;
  double lowestCelsius;
};

class EachFormulation : public Sweeps, public ::testing::WithParamInterface<Formulated> {};

TEST_P(EachFormulation, TextbookTableEndsAtItsOwnCriticalPointAndEvaporationIsTheDifference) {
  const Formulated& f = GetParam();
  for (const char* preset : {kTextbookSi, kTextbookIp}) {
    const SweepValues values = PresetValues(preset);
    SweepRequest request = Request(SweepKind::SaturationByTemperature, f.formulation);
    const int16_t unit = *FindUnit(Quantity::Temperature, values.unit);
    request.temperatures = Working(Quantity::Temperature, values.values, unit);
    request.endsAtCriticalPoint = true;
    const Table table = Run(request);
    ASSERT_EQ(table.rows.size(), values.values.size() + 1) << f.name << " " << preset;
    EXPECT_EQ(table.outline.rowCount, table.rows.size());
    EXPECT_TRUE(table.outline.notes.empty());
    EXPECT_EQ(table.summary.refusedRows, 0u);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
      for (const char* key : {"enthalpy", "entropy", "specific_volume"}) {
        const std::string k = key;
        const double liquid = table.At(r, k + "_liquid");
        const double vapor = table.At(r, k + "_vapor");
        EXPECT_NEAR(table.At(r, k + "_evaporation"), vapor - liquid, 1e-12 * std::fabs(vapor))
            << f.name << " row " << r << " " << key;
        if (r + 1 < table.rows.size()) {
          EXPECT_GT(vapor, liquid) << f.name << " row " << r;
        }
      }
      if (r > 0) {
        EXPECT_GT(table.At(r, "pressure"), table.At(r - 1, "pressure"));
      }
    }
    const std::size_t last = table.rows.size() - 1;
    // The formulation's own numbers: the pressure to the last bit, the
    // temperature (exact in kelvins) within the spacing of degrees F.
    EXPECT_NEAR(table.At(last, "temperature"), f.criticalCelsius, 1e-12) << f.name;
    EXPECT_EQ(table.At(last, "pressure"), f.criticalMegapascal) << f.name;
    EXPECT_EQ(table.At(last, "enthalpy_liquid"), table.At(last, "enthalpy_vapor")) << f.name;
    EXPECT_EQ(table.At(last, "enthalpy_evaporation"), 0.0) << f.name;
    EXPECT_EQ(table.At(last, "entropy_evaporation"), 0.0) << f.name;
  }
}

TEST_P(EachFormulation, ARangePastTheCriticalPointEndsWithItAndNotesTheRest) {
  const Formulated& f = GetParam();
  SweepRequest request = Request(SweepKind::SaturationByTemperature, f.formulation);
  request.temperatures = Celsius({360, 370, 380, 390, 400});
  const Table table = Run(request);
  ASSERT_EQ(table.rows.size(), 3u) << f.name;
  EXPECT_NEAR(table.At(2, "temperature"), f.criticalCelsius, 1e-9);
  ASSERT_EQ(table.outline.notes.size(), 1u);
  EXPECT_NE(table.outline.notes[0].find("critical temperature"), std::string::npos);
  EXPECT_NE(table.outline.notes[0].find("380, 390, 400 \u00B0C"), std::string::npos)
      << table.outline.notes[0];

  request = Request(SweepKind::SaturationByPressure, f.formulation);
  request.pressures = Megapascal({1, f.criticalMegapascal, 25, 10});
  const Table byPressure = Run(request);
  ASSERT_EQ(byPressure.rows.size(), 3u);
  EXPECT_EQ(byPressure.At(1, "pressure"), f.criticalMegapascal);
  EXPECT_EQ(byPressure.At(1, "enthalpy_evaporation"), 0.0);
  EXPECT_DOUBLE_EQ(byPressure.At(2, "pressure"), 10.0);
  ASSERT_EQ(byPressure.outline.notes.size(), 1u);
  EXPECT_NE(byPressure.outline.notes[0].find(": 25 MPa."), std::string::npos)
      << byPressure.outline.notes[0];
}

TEST_P(EachFormulation, StartsAtItsOwnLowestSaturationTemperature) {
  const Formulated& f = GetParam();
  SweepRequest request = Request(SweepKind::SaturationByTemperature, f.formulation);
  request.temperatures = Celsius({-1, 0, 0.01, 1});
  const Table table = Run(request);
  const std::size_t kept = f.lowestCelsius == 0.0 ? 3 : 2;
  ASSERT_EQ(table.rows.size(), kept) << f.name;
  EXPECT_NEAR(table.At(0, "temperature"), f.lowestCelsius, 1e-12);
  ASSERT_EQ(table.outline.notes.size(), 1u);
  const std::string& note = table.outline.notes[0];
  EXPECT_NE(note.find(kept == 3 ? ": -1 \u00B0C." : ": -1, 0 \u00B0C."), std::string::npos) << note;

  // The same end in pressure: the saturation pressure at the lowest
  // temperature is the first row, anything below it is noted.
  request = Request(SweepKind::SaturationByPressure, f.formulation);
  const double lowest = table.At(0, "pressure");
  request.pressures = Megapascal({lowest * 0.5, lowest, 0.001});
  const Table byPressure = Run(request);
  ASSERT_EQ(byPressure.rows.size(), 2u) << f.name;
  EXPECT_NEAR(byPressure.At(0, "temperature"), f.lowestCelsius, 1e-9);
}

TEST_P(EachFormulation, GridHasABlockPerPressureHeadedBySaturatedVapour) {
  const Formulated& f = GetParam();
  SweepRequest request = Request(SweepKind::Grid, f.formulation);
  request.pressures = Megapascal({1, 30, f.criticalMegapascal});
  request.temperatures = Celsius({100, 200, 300});
  const Table table = Run(request);
  const RowMark sat = RowMark::Saturated, liquid = RowMark::Liquid, none = RowMark::None;
  const std::vector<RowMark> marks{sat, liquid, none, none, liquid, liquid, liquid, liquid, liquid, liquid};
  ASSERT_EQ(table.marks, marks) << f.name;
  EXPECT_EQ(table.outline.rowCount, marks.size());
  // The block's first row: saturated vapour at Tsat(1 MPa) = 179.88 C.
  EXPECT_NEAR(table.At(0, "temperature"), 179.88, 0.01);
  EXPECT_EQ(table.At(0, "superheat"), 0.0);
  EXPECT_NEAR(table.At(0, "enthalpy"), 2777.1, 1.0);
  EXPECT_TRUE(std::isnan(table.At(1, "superheat")));
  EXPECT_NEAR(table.At(2, "superheat"), 200.0 - table.At(0, "temperature") , 1e-9);
  EXPECT_NEAR(table.At(3, "superheat"), 300.0 - table.At(0, "temperature"), 1e-9);
  for (std::size_t r = 4; r < table.rows.size(); ++r) {
    EXPECT_TRUE(std::isnan(table.At(r, "superheat"))) << r;
    EXPECT_TRUE(table.messages[r].empty()) << table.messages[r];
  }
  EXPECT_DOUBLE_EQ(table.At(4, "pressure"), 30.0);
}

TEST_P(EachFormulation, SweepsInsertTheSaturatedEndsWhereTheyCrossTheLine) {
  const Formulated& f = GetParam();
  SweepRequest request = Request(SweepKind::IsobarSweep, f.formulation);
  request.pressures = Megapascal({1});
  request.temperatures = Celsius({100, 150, 200, 250});
  Table table = Run(request);
  using M = RowMark;
  ASSERT_EQ(table.marks, (std::vector<M>{M::Liquid, M::Liquid, M::SaturatedLiquid,
                                         M::SaturatedVapor, M::None, M::None}))
      << f.name;
  EXPECT_EQ(table.At(2, "temperature"), table.At(3, "temperature"));
  EXPECT_NEAR(table.At(2, "temperature"), 179.88, 0.01);
  EXPECT_LT(table.At(2, "enthalpy"), table.At(3, "enthalpy"));
  EXPECT_EQ(table.At(3, "quality"), 1.0);
  EXPECT_EQ(table.At(2, "quality"), 0.0);

  // Cooling meets the vapour first.
  request.temperatures = Celsius({250, 150});
  table = Run(request);
  ASSERT_EQ(table.marks, (std::vector<M>{M::None, M::SaturatedVapor, M::SaturatedLiquid, M::Liquid}));

  // Along an isotherm rising pressure goes from vapour to liquid, through
  // psat(200 C) = 1.5549 MPa.
  request = Request(SweepKind::IsothermSweep, f.formulation);
  request.temperatures = Celsius({200});
  request.pressures = Megapascal({1, 1.5, 2});
  table = Run(request);
  ASSERT_EQ(table.marks,
            (std::vector<M>{M::None, M::None, M::SaturatedVapor, M::SaturatedLiquid, M::Liquid}));
  EXPECT_NEAR(table.At(2, "pressure"), 1.5549, 2e-3);
  EXPECT_EQ(table.Column("pressure"), 0u);  // the swept variable first

  // Above the critical pressure there is nothing to cross.
  request = Request(SweepKind::IsobarSweep, f.formulation);
  request.pressures = Megapascal({25});
  request.temperatures = Celsius({300, 400, 500});
  table = Run(request);
  EXPECT_EQ(table.rows.size(), 3u);
}

TEST_P(EachFormulation, ARefusedRowKeepsItsPlaceWithTheMessage) {
  const Formulated& f = GetParam();
  SweepRequest request = Request(SweepKind::IsobarSweep, f.formulation);
  request.pressures = Megapascal({60});
  request.temperatures = Celsius({500, 2500, 600});
  const Table table = Run(request);
  ASSERT_EQ(table.rows.size(), 3u);
  EXPECT_EQ(table.summary.refusedRows, 1u);
  EXPECT_TRUE(table.messages[0].empty());
  EXPECT_NE(table.messages[1].find("Temperature must be lower than"), std::string::npos)
      << table.messages[1];
  EXPECT_EQ(table.messages[1].find('\r'), std::string::npos);
  EXPECT_DOUBLE_EQ(table.At(1, "temperature"), 2500.0);
  EXPECT_DOUBLE_EQ(table.At(1, "pressure"), 60.0);
  EXPECT_TRUE(std::isnan(table.At(1, "enthalpy")));
  EXPECT_TRUE(table.messages[2].empty());
}

struct Expected {
  const char* key;
  double value;
};

std::vector<Expected> If97Saturation(double T) {
  const if97::SaturationState s = if97::saturationStateT(T);
  return {{"pressure", s.p},
          {"enthalpy_liquid", s.liquid.h}, {"enthalpy_vapor", s.vapour.h},
          {"entropy_liquid", s.liquid.s}, {"entropy_vapor", s.vapour.s},
          {"specific_volume_liquid", s.liquid.v}, {"specific_volume_vapor", s.vapour.v},
          {"internal_energy_liquid", s.liquid.u}, {"internal_energy_vapor", s.vapour.u}};
}

std::vector<Expected> Ifc67Saturation(double T) {
  return {{"pressure", ifc67::saturationPressure(T)},
          {"enthalpy_liquid", ifc67::mixtureEnthalpyTx(T, 0)},
          {"enthalpy_vapor", ifc67::mixtureEnthalpyTx(T, 1)},
          {"entropy_liquid", ifc67::mixtureEntropyTx(T, 0)},
          {"entropy_vapor", ifc67::mixtureEntropyTx(T, 1)},
          {"specific_volume_liquid", ifc67::mixtureVolumeTx(T, 0)},
          {"specific_volume_vapor", ifc67::mixtureVolumeTx(T, 1)}};
}

// The rows through the libraries' entry points and the working units agree
// with the formulations' own C++ interfaces in SI, to the 32-bit factors the
// working units carry: 1e-7, except the specific volume, whose factor
// (288.57773 ft3/lbmol per m3/kg) holds a molar mass of 18.0153 where the
// window divides by 18.01528, so volumes come out 2.2e-6 high (and u = h - p v
// with them).
TEST_P(EachFormulation, SaturationRowsAgreeWithTheFormulationInSi) {
  const Formulated& f = GetParam();
  SweepRequest request = Request(SweepKind::SaturationByTemperature, f.formulation);
  const SweepValues preset = PresetValues(kTextbookSi);
  request.temperatures = Celsius(preset.values);
  const Table table = Run(request);
  ASSERT_EQ(table.rows.size(), preset.values.size());
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    // 0.01 C comes to 273.16 K less an ulp, which the IFC-67 interface refuses.
    const double T = std::max(preset.values[r] + 273.15, ifc67::kMinTemperature);
    const std::vector<Expected> expected = f.formulation == Formulation::IF97
                                               ? If97Saturation(T)
                                               : Ifc67Saturation(T);
    for (const Expected& e : expected) {
      const std::string key = e.key;
      const double relative = key.rfind("specific_volume", 0) == 0   ? 3e-6
                              : key.rfind("internal_energy", 0) == 0 ? 3e-7  // through p v
                              : key == "pressure"                    ? 1e-14
                                                                     : 1e-7;
      EXPECT_NEAR(table.At(r, e.key), e.value, relative * std::fabs(e.value) + 1e-8)
          << f.name << " at " << preset.values[r] << " C, " << e.key;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Both, EachFormulation,
    ::testing::Values(Formulated{Formulation::IF97, "IF-97", 373.946, 22.064, 0.0},
                      Formulated{Formulation::IFC67, "IFC-67", 374.15, 22.12, 0.01}),
    [](const auto& info) { return info.param.formulation == Formulation::IF97 ? "IF97" : "IFC67"; });

// The libraries see the pressure asked for, not one the program's 32-bit
// atmosphere puts a hair above it: region 5 holds up to 50 MPa inclusive,
// the formulation up to 100 MPa.
TEST_F(Sweeps, PressuresAtTheFormulationsLimitsAreInside) {
  SweepRequest request = Request(SweepKind::IsobarSweep, Formulation::IF97);
  request.pressures = Megapascal({50});
  request.temperatures = Celsius({900, 2000});
  Table table = Run(request);
  EXPECT_EQ(table.summary.refusedRows, 0u) << table.messages[0];
  EXPECT_EQ(table.At(0, "pressure"), 50.0);
  request.pressures = Megapascal({100});
  request.temperatures = Celsius({300, 800});
  table = Run(request);
  EXPECT_EQ(table.summary.refusedRows, 0u) << table.messages[0];
  EXPECT_EQ(table.At(1, "pressure"), 100.0);
}

SweepRequest LargeGrid() {
  SweepRequest request = Request(SweepKind::Grid, Formulation::IF97);
  for (int i = 1; i <= 20; ++i) request.pressures.push_back(ToWorking(Quantity::Pressure, i, kMegapascal));
  for (int i = 0; i < 50; ++i) request.temperatures.push_back(ToWorking(Quantity::Temperature, 20 + 10 * i, 1));
  request.chunkRows = 64;
  return request;
}

TEST_F(Sweeps, RowsDoNotDependOnTheNumberOfJobs) {
  SweepRequest request = LargeGrid();
  const Table one = Run(request);
  request.jobs = 3;
  const Table three = Run(request);
  ASSERT_EQ(one.rows.size(), 20u * 51u - 0u - 0u);
  ASSERT_EQ(one.rows.size(), three.rows.size());
  for (std::size_t r = 0; r < one.rows.size(); ++r) {
    for (std::size_t c = 0; c < one.columns.size(); ++c) {
      const double a = one.rows[r][c], b = three.rows[r][c];
      ASSERT_TRUE(a == b || (std::isnan(a) && std::isnan(b))) << r << " " << c;
    }
  }
}

TEST_F(Sweeps, CancelKeepsTheRowsDeliveredAndNoRowPartWay) {
  SweepRequest request = LargeGrid();
  request.jobs = 2;
  std::atomic<bool> cancel{false};
  SweepControl control;
  control.cancel = &cancel;
  std::size_t lastProgress = 0;
  control.progress = [&](std::size_t done, std::size_t total) {
    EXPECT_EQ(total, 20u * 51u);
    lastProgress = done;
    if (done >= 3 * request.chunkRows) cancel = true;
  };
  const Table table = Run(request, control);
  EXPECT_TRUE(table.summary.cancelled);
  EXPECT_EQ(table.rows.size(), 3 * request.chunkRows);
  EXPECT_EQ(table.summary.rows, table.rows.size());
  EXPECT_EQ(lastProgress, table.rows.size());
  // The partial table is the start of the whole one.
  const Table whole = Run(LargeGrid());
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
      const double a = table.rows[r][c], b = whole.rows[r][c];
      ASSERT_TRUE(a == b || (std::isnan(a) && std::isnan(b))) << r << " " << c;
    }
    EXPECT_EQ(table.marks[r], whole.marks[r]);
  }
}

TEST_F(Sweeps, ACallerThatTakesNoMoreRowsStopsTheSweep) {
  SweepRequest request = LargeGrid();
  std::size_t chunks = 0;
  const SweepSummary summary = RunSweep(request, libraries_, {}, [&chunks](const SweepChunk&) {
    return ++chunks < 2;
  });
  EXPECT_EQ(chunks, 2u);
  EXPECT_TRUE(summary.cancelled);
  EXPECT_EQ(summary.rows, 2 * request.chunkRows);
}

TEST(SweepColumns, DefaultsAndChoicesPutTheSweptVariableFirst) {
  auto keys = [](const std::vector<SweepColumn>& columns) {
    std::string text;
    for (const SweepColumn& c : columns) text += (text.empty() ? "" : ",") + c.key;
    return text;
  };
  EXPECT_EQ(keys(DefaultColumns(SweepKind::SaturationByTemperature)),
            "temperature,pressure,specific_volume_liquid,specific_volume_evaporation,"
            "specific_volume_vapor,internal_energy_liquid,internal_energy_vapor,enthalpy_liquid,"
            "enthalpy_evaporation,enthalpy_vapor,entropy_liquid,entropy_evaporation,entropy_vapor");
  EXPECT_EQ(keys(DefaultColumns(SweepKind::SaturationByPressure)).substr(0, 21),
            "pressure,temperature,");
  EXPECT_EQ(keys(DefaultColumns(SweepKind::Grid)),
            "temperature,pressure,specific_volume,internal_energy,enthalpy,entropy,superheat");
  EXPECT_EQ(keys(DefaultColumns(SweepKind::IsothermSweep)),
            "pressure,temperature,specific_volume,internal_energy,enthalpy,entropy,superheat");
  std::string error;
  EXPECT_EQ(keys(*ColumnsNamed(SweepKind::IsothermSweep, "enthalpy, temperature,enthalpy", &error)),
            "pressure,enthalpy,temperature");
  EXPECT_EQ(keys(*ColumnsNamed(SweepKind::SaturationByTemperature, "viscosity_vapor", &error)),
            "temperature,viscosity_vapor");
  EXPECT_FALSE(ColumnsNamed(SweepKind::SaturationByTemperature, "enthalpy", &error));
  EXPECT_EQ(error, "enthalpy");
  EXPECT_FALSE(ColumnsNamed(SweepKind::Grid, "superheat_vapor", &error));
  EXPECT_EQ(AvailableColumns(SweepKind::Grid).size(), 17u);
}

}  // namespace
}  // namespace analysis
