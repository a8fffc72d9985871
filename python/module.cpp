// SPDX-License-Identifier: GPL-3.0-or-later
// The `hydrelix` extension: hydrelix.if97 and hydrelix.ifc67, each with the
// state functions over scalars or NumPy arrays broadcast against each other.
#include "states.h"

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstddef>
#include <string>
#include <vector>

namespace py = pybind11;
using pystates::Formulation;
using pystates::State;

namespace {

// What a state function returns: floats for scalar arguments, arrays of the
// broadcast shape otherwise.
struct PyState {
  py::object T, P, v, rho, u, h, s, cp, cv, w, x, region, phase;
};

py::object RegionOf(const State& state) {
  return state.region == 0 ? py::object(py::none()) : py::object(py::int_(state.region));
}

PyState FromScalar(const State& s) {
  return {py::float_(s.T),  py::float_(s.P),  py::float_(s.v),  py::float_(s.rho),
          py::float_(s.u),  py::float_(s.h),  py::float_(s.s),  py::float_(s.cp),
          py::float_(s.cv), py::float_(s.w),  py::float_(s.x),  RegionOf(s),
          py::str(pystates::PhaseWord(s.phase))};
}

using Pair = State (*)(Formulation, double, double);

py::array_t<double> Contiguous(const py::object& array) {
  return py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(array);
}

// Every element computed in one loop without the interpreter's lock.
PyState Evaluate(Formulation formulation, Pair pair, const py::object& first,
                 const py::object& second) {
  const py::module_ numpy = py::module_::import("numpy");
  const py::object a = numpy.attr("asarray")(first, "float64");
  const py::object b = numpy.attr("asarray")(second, "float64");
  if (a.attr("ndim").cast<int>() == 0 && b.attr("ndim").cast<int>() == 0) {
    return FromScalar(pair(formulation, a.cast<double>(), b.cast<double>()));
  }
  const py::tuple both = numpy.attr("broadcast_arrays")(a, b);
  const py::array_t<double> left = Contiguous(both[0]);
  const py::array_t<double> right = Contiguous(both[1]);
  const std::vector<py::ssize_t> shape(left.shape(), left.shape() + left.ndim());
  const auto size = static_cast<std::size_t>(left.size());

  constexpr int kDoubles = 11;
  std::vector<py::array_t<double>> columns;
  for (int k = 0; k < kDoubles; ++k) columns.emplace_back(shape);
  py::array_t<int> regions(shape);
  py::array_t<unsigned char> phases(shape);
  {
    std::vector<double*> out;
    for (auto& column : columns) out.push_back(column.mutable_data());
    int* region = regions.mutable_data();
    unsigned char* phase = phases.mutable_data();
    const double* x = left.data();
    const double* y = right.data();
    py::gil_scoped_release unlocked;
    for (std::size_t i = 0; i < size; ++i) {
      const State s = pair(formulation, x[i], y[i]);
      const double values[kDoubles] = {s.T, s.P, s.v, s.rho, s.u, s.h, s.s, s.cp, s.cv, s.w, s.x};
      for (int k = 0; k < kDoubles; ++k) out[k][i] = values[k];
      region[i] = s.region;
      phase[i] = static_cast<unsigned char>(s.phase);
    }
  }
  py::list words;
  for (int k = 0; k <= pystates::kNoPhase; ++k) words.append(pystates::PhaseWord(k));
  const py::object phaseWords = numpy.attr("array")(words)[phases];
  return {columns[0], columns[1], columns[2], columns[3], columns[4], columns[5], columns[6],
          columns[7], columns[8], columns[9], columns[10], regions, phaseWords};
}

py::object Saturation(double (*line)(Formulation, double), Formulation formulation,
                      const py::object& argument) {
  const py::object a = py::module_::import("numpy").attr("asarray")(argument, "float64");
  if (a.attr("ndim").cast<int>() == 0) return py::float_(line(formulation, a.cast<double>()));
  const py::array_t<double> in = Contiguous(a);
  py::array_t<double> out(std::vector<py::ssize_t>(in.shape(), in.shape() + in.ndim()));
  const double* x = in.data();
  double* y = out.mutable_data();
  const auto size = static_cast<std::size_t>(in.size());
  py::gil_scoped_release unlocked;
  for (std::size_t i = 0; i < size; ++i) y[i] = line(formulation, x[i]);
  return out;
}

const char* const kStateDoc =
    "\n\nArguments are floats or NumPy arrays, broadcast against each other.\n"
    "Returns a State whose attributes are floats (or arrays of the broadcast shape):\n"
    "  T K, P MPa, v m3/kg, rho kg/m3, u h kJ/kg, s cp cv kJ/(kg K), w m/s,\n"
    "  x vapour fraction (NaN for a single phase), region (int; None/0 where there is\n"
    "  none) and phase (str: 'Compressed liquid', 'Wet steam', ...).\n"
    "Where the formulation does not hold, every number is NaN and phase is ''; a bad\n"
    "element never raises.";

void AddFormulation(py::module_& parent, const char* name, Formulation formulation,
                    const char* description) {
  py::module_ m = parent.def_submodule(name, description);
  struct Entry {
    const char* name;
    Pair pair;
    const char* arguments[2];
    const char* doc;
  };
  const Entry entries[] = {
      {"state_tp", pystates::StateTp, {"T", "P"}, "State from temperature T (K) and pressure P (MPa)."},
      {"state_ph", pystates::StatePh, {"P", "h"}, "State from pressure P (MPa) and enthalpy h (kJ/kg)."},
      {"state_ps", pystates::StatePs, {"P", "s"}, "State from pressure P (MPa) and entropy s (kJ/(kg K))."},
      {"state_tx", pystates::StateTx, {"T", "x"}, "Saturated state from temperature T (K) and vapour fraction x (0..1)."},
      {"state_px", pystates::StatePx, {"P", "x"}, "Saturated state from pressure P (MPa) and vapour fraction x (0..1)."},
  };
  const std::string note =
      formulation == Formulation::IFC67
          ? "\nIFC-67 has no cv or speed of sound of its own: cv and w are IAPWS-IF97's at\n"
            "the same T and P, on the side of the saturation line the IFC-67 state lies on."
          : "";
  for (const Entry& entry : entries) {
    const Pair pair = entry.pair;
    m.def(entry.name,
          [formulation, pair](const py::object& a, const py::object& b) {
            return Evaluate(formulation, pair, a, b);
          },
          py::arg(entry.arguments[0]), py::arg(entry.arguments[1]),
          (std::string(entry.doc) + kStateDoc + note).c_str());
  }
  m.def("tsat",
        [formulation](const py::object& P) {
          return Saturation(pystates::SaturationTemperature, formulation, P);
        },
        py::arg("P"), "Saturation temperature (K) at pressure P (MPa); NaN off the line.");
  m.def("psat",
        [formulation](const py::object& T) {
          return Saturation(pystates::SaturationPressure, formulation, T);
        },
        py::arg("T"), "Saturation pressure (MPa) at temperature T (K); NaN off the line.");
}

}  // namespace

PYBIND11_MODULE(_hydrelix, m) {
  m.doc() = "Steam and water properties by IAPWS-IF97 and IFC-67.";
  py::class_<PyState>(m, "State", "A steam state; see the state functions for the units.")
      .def_readonly("T", &PyState::T, "temperature, K")
      .def_readonly("P", &PyState::P, "pressure, MPa")
      .def_readonly("v", &PyState::v, "specific volume, m3/kg")
      .def_readonly("rho", &PyState::rho, "density, kg/m3")
      .def_readonly("u", &PyState::u, "specific internal energy, kJ/kg")
      .def_readonly("h", &PyState::h, "specific enthalpy, kJ/kg")
      .def_readonly("s", &PyState::s, "specific entropy, kJ/(kg K)")
      .def_readonly("cp", &PyState::cp, "isobaric heat capacity, kJ/(kg K)")
      .def_readonly("cv", &PyState::cv, "isochoric heat capacity, kJ/(kg K)")
      .def_readonly("w", &PyState::w, "speed of sound, m/s")
      .def_readonly("x", &PyState::x, "vapour fraction; NaN for a single phase")
      .def_readonly("region", &PyState::region, "region of the formulation")
      .def_readonly("phase", &PyState::phase, "phase word")
      .def("__repr__", [](const PyState& s) {
        return py::str("State(T={}, P={}, h={}, s={}, x={}, phase={!r})")
            .format(s.T, s.P, s.h, s.s, s.x, s.phase);
      });
  AddFormulation(m, "if97", Formulation::IF97, "IAPWS-IF97, the industrial formulation of 1997.");
  AddFormulation(m, "ifc67", Formulation::IFC67, "The 1967 IFC formulation for industrial use.");
}
