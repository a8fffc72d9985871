// SPDX-License-Identifier: GPL-3.0-or-later
// The two known quantities of a state as the command line takes them,
// NAME=VALUE[UNIT], and their entry into working units the way the window's
// fields enter typed text, so the command line and the window compute the
// same state from the same numbers.
#ifndef HYDRELIX_CLI_STATE_INPUTS_H
#define HYDRELIX_CLI_STATE_INPUTS_H

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "steam/input_cases.h"
#include "steam/message.h"
#include "units/unit_lists.h"

namespace cli {

// In the window's order of the input fields.
enum class InputName { Temperature, Pressure, Quality, Enthalpy, Entropy };

// "temperature", "pressure", "quality", "enthalpy", "entropy".
const char* InputKey(InputName name);

// The quantity of the input's unit list; nothing for the quality, which has
// none.
std::optional<units::Quantity> InputQuantity(InputName name);

// T, p, x, h or s in either case.
std::optional<InputName> InputNamed(std::string_view name);

struct QuantityText {
  std::string number;  // as typed: a point decimal, an optional exponent
  // The unit index the text named in its quantity's list, or nothing for the
  // unit system's own unit.
  std::optional<int16_t> unit;
};

// VALUE[UNIT] split: the number as typed and its value, then whatever
// follows it after optional spaces (empty without a unit). Nothing, with
// `reason` set, where the text does not start with a number in range.
struct ValueAndUnit {
  std::string number;
  double value;
  std::string_view unit;  // a view into the text
};
std::optional<ValueAndUnit> SplitValueUnit(std::string_view text, std::string& reason);

// Reads VALUE[UNIT] of the named input: a number with a point decimal and an
// optional exponent, then, after optional spaces, a unit of its quantity's
// list. Nothing, with `reason` set, for anything else.
std::optional<QuantityText> ReadQuantity(InputName name, std::string_view text,
                                         std::string& reason);

// The unit system's unit for an input typed without one.
int16_t DefaultInputUnit(InputName name, bool si);

// A value entered as the window's field enters it: the 32-bit result of the
// field's conversion from the unit, or the window's refusal of a quality
// outside 0 to 1.
struct EnteredValue {
  double working = 0.0;
  std::optional<steam::Message> refusal;
};
EnteredValue Enter(InputName name, const QuantityText& text, bool si);

// The pair two different inputs form, with their order in it: `swapped`
// when `b` comes first. Nothing for two that form none of the seven pairs.
struct PairOrder {
  steam::InputPair pair;
  bool swapped;
};
std::optional<PairOrder> PairOf(InputName a, InputName b);

inline constexpr const char* kPairList = "T-p, T-x, T-h, T-s, p-x, p-h, p-s";

// The two inputs' keys in the window's order.
std::array<const char*, 2> PairKeys(steam::InputPair pair);

}  // namespace cli

#endif
