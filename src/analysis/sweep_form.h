// A table asked for in words, as the window's fields and the command line's
// options give it: the kind, the temperatures and pressures as range texts,
// whether ranges are logarithmic, and the units a value without a unit is in.
#ifndef HYDRELIX_ANALYSIS_SWEEP_FORM_H
#define HYDRELIX_ANALYSIS_SWEEP_FORM_H

#include "analysis/sweep.h"

#include <string>

namespace analysis {

struct SweepForm {
  SweepKind kind = SweepKind::SaturationByTemperature;
  steam::Formulation formulation = steam::Formulation::IF97;
  // Range texts (see sweep_range.h); an isobar's pressure and an isotherm's
  // temperature are one value.
  std::string temperatures;
  std::string pressures;
  bool logarithmic = false;
  std::vector<SweepColumn> columns;
  TableUnits units = TableUnits::System(false);
};

struct FormRequest {
  SweepRequest request;
  // Why the form cannot run, in a sentence; empty when it can.
  std::string error;
};

FormRequest RequestFromForm(const SweepForm& form);

// Which of the two range texts the kind reads.
bool UsesTemperatures(SweepKind kind);
bool UsesPressures(SweepKind kind);

}  // namespace analysis

#endif
