// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/enter_state.h"

#include <array>

namespace mainwindow {
namespace {

// The ticks of the pair's inputs: 0 temperature, 1 pressure, 2 quality,
// 3 enthalpy, 4 entropy.
std::array<int16_t, 2> TicksOf(steam::InputPair pair) {
  switch (pair) {
    case steam::InputPair::TemperaturePressure: return {0, 1};
    case steam::InputPair::TemperatureQuality: return {0, 2};
    case steam::InputPair::TemperatureEnthalpy: return {0, 3};
    case steam::InputPair::TemperatureEntropy: return {0, 4};
    case steam::InputPair::PressureQuality: return {1, 2};
    case steam::InputPair::PressureEnthalpy: return {1, 3};
    case steam::InputPair::PressureEntropy: return {1, 4};
  }
  return {0, 1};
}

void TypeOver(frmMain& form, int16_t tick, std::string_view text) {
  form.UserClick(form.txtData(static_cast<int16_t>(kFirstField + tick)));
  form.UserPressKey(Key::Delete);
  for (char c : text) form.UserType(static_cast<unsigned char>(c));
}

}  // namespace

void EnterState(frmMain& form, steam::InputPair pair, std::string_view first,
                std::string_view second) {
  const std::array<int16_t, 2> ticks = TicksOf(pair);
  auto wanted = [&ticks](int16_t k) { return k == ticks[0] || k == ticks[1]; };
  // Untick the others first, so that the wanted ticks are never disabled.
  for (int16_t k = 0; k < kTickCount; ++k) {
    if (!wanted(k) && form.chkStmInput(k).Value() == 1) form.UserClick(form.chkStmInput(k));
  }
  for (int16_t k : ticks) {
    if (form.chkStmInput(k).Value() != 1) form.UserClick(form.chkStmInput(k));
  }
  TypeOver(form, ticks[0], first);
  TypeOver(form, ticks[1], second);
  form.UserClick(form.cmdCompute);
}

}  // namespace mainwindow
