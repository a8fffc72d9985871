// Any bytes become a unit setting, an entry point and its arguments; every
// answer must be NaN or finite, and nothing may crash, hang or trip a
// sanitizer.
#include <stm/stm_api.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

double readDouble(const uint8_t*& data, std::size_t& size) {
  double value = 0.0;
  const std::size_t n = size < sizeof value ? size : sizeof value;
  std::memcpy(&value, data, n);
  data += n;
  size -= n;
  return value;
}

void expectNaNOrFinite(double value) {
  if (!(std::isnan(value) || std::isfinite(value))) __builtin_trap();
}

// 0: the program's own codes; anything else: a mixture of the others.
void chooseUnits(uint8_t choice) {
  if (choice == 0) {
    STM_SetTempUnit(3);
    STM_SetPressUnit(17);
    STM_SetEnthalUnit(31);
    STM_SetEntroUnit(51);
    STM_SetDensityUnit(71);
    STM_SetWetDryUnit(92);
    STM_SetHCUnit(102);
    return;
  }
  static const int32_t temperature[] = {1, 2, 3, 4};
  static const int32_t pressure[] = {11, 12, 13, 14, 15, 17};
  static const int32_t enthalpy[] = {31, 32, 33};
  static const int32_t entropy[] = {51, 52, 53};
  static const int32_t density[] = {71, 72, 73, 74};
  static const int32_t quality[] = {91, 92};
  static const int32_t heatCapacity[] = {101, 102, 103};
  STM_SetTempUnit(temperature[choice % 4]);
  STM_SetPressUnit(pressure[choice % 6]);
  STM_SetEnthalUnit(enthalpy[choice % 3]);
  STM_SetEntroUnit(entropy[(choice / 3) % 3]);
  STM_SetDensityUnit(density[(choice / 4) % 4]);
  STM_SetWetDryUnit(quality[(choice / 2) % 2]);
  STM_SetHCUnit(heatCapacity[(choice / 5) % 3]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const uint8_t function = data[0];
  chooseUnits(data[1]);
  data += 2;
  size -= 2;
  const double a = readDouble(data, size);
  const double b = readDouble(data, size);
  switch (function % 22) {
    case 0: expectNaNOrFinite(STM_sPt(a)); break;
    case 1: expectNaNOrFinite(STM_sTp(a)); break;
    case 2: expectNaNOrFinite(STM_sHtx(a, b)); break;
    case 3: expectNaNOrFinite(STM_sStx(a, b)); break;
    case 4: expectNaNOrFinite(STM_sDtx(a, b)); break;
    case 5: expectNaNOrFinite(STM_sXph(a, b)); break;
    case 6: expectNaNOrFinite(STM_sXps(a, b)); break;
    case 7: expectNaNOrFinite(STM_nDtp(a, b)); break;
    case 8: expectNaNOrFinite(STM_nHtp(a, b)); break;
    case 9: expectNaNOrFinite(STM_nStp(a, b)); break;
    case 10: expectNaNOrFinite(STM_nCPtp(a, b)); break;
    case 11: expectNaNOrFinite(STM_nCVtp(a, b)); break;
    case 12: expectNaNOrFinite(STM_nWtp(a, b)); break;
    case 13: expectNaNOrFinite(STM_nTph(a, b)); break;
    case 14: expectNaNOrFinite(STM_nTps(a, b)); break;
    case 15: STM_IsSat_ph(a, b); break;
    case 16: STM_IsSat_ps(a, b); break;
    case 17: expectNaNOrFinite(STM_GetMaxTemp() + STM_GetMinTemp()); break;
    case 18: expectNaNOrFinite(STM_GetMaxPress() + STM_GetMinPress()); break;
    case 19: {
      // a whole state from (p, h) as the program builds it
      const double T = STM_nTph(a, b);
      expectNaNOrFinite(STM_nStp(T, a));
      expectNaNOrFinite(STM_nDtp(T, a));
      expectNaNOrFinite(STM_sXph(a, b));
      break;
    }
    case 20: {
      const double T = STM_nTps(a, b);
      expectNaNOrFinite(STM_nHtp(T, a));
      expectNaNOrFinite(STM_sXps(a, b));
      break;
    }
    default: {
      // odd unit codes must be refused
      const int32_t code = static_cast<int32_t>(static_cast<uint32_t>(function) * 16777619u);
      STM_SetTempUnit(code);
      STM_SetPressUnit(code);
      STM_SetHCUnit(code);
      break;
    }
  }
  return 0;
}
