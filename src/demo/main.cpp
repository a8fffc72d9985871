// Prints the state of water at 68 F and 14.696 psia from each property library
// found beside this program, through the same entry points the calculator uses.
#include <stm/dynamic_library.h>
#include <stm/stm_api.h>

#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

std::string programDirectory() {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  std::string exe(path, static_cast<size_t>(n));
  return exe.substr(0, exe.find_last_of('/'));
}

using Property = double (*)(double, double);

struct Row {
  const char* label;
  const char* entry;
  const char* unit;
};

void show(const std::string& file, const char* title, const Row* rows, int count) {
  stm::DynamicLibrary library(programDirectory() + "/" + file);
  std::printf("%s (%s)\n", title, file.c_str());
  if (!library.isOpen()) {
    std::printf("  not available: %s\n\n", library.error().c_str());
    return;
  }
  const double fahrenheit = 68.0;
  const double atmospheres = 14.696 / 14.6959487755;
  for (int i = 0; i < count; ++i) {
    const auto property = library.entry<Property>(rows[i].entry);
    if (property == nullptr) {
      std::printf("  %-28s missing entry point %s\n", rows[i].label, rows[i].entry);
      continue;
    }
    std::printf("  %-28s %16.9g %s\n", rows[i].label, property(fahrenheit, atmospheres), rows[i].unit);
  }
  std::printf("\n");
}

}  // namespace

int main() {
  std::printf("Water at 68 F and 14.696 psia\n\n");
  const Row if97[] = {
      {"specific volume", "STM_nDtp", "m3/kg"},
      {"specific enthalpy", "STM_nHtp", "J/kg"},
      {"specific entropy", "STM_nStp", "J/(kg K)"},
      {"isobaric heat capacity", "STM_nCPtp", "kJ/(kg K)"},
      {"isochoric heat capacity", "STM_nCVtp", "kJ/(kg K)"},
      {"speed of sound", "STM_nWtp", "m/s"},
  };
  show("libHydrix.so", "IAPWS-IF97", if97, sizeof if97 / sizeof if97[0]);
  const Row ifc67[] = {
      {"specific volume", "STM_nXtp", "m3/kg"},
      {"specific enthalpy", "STM_nEtp", "J/kg"},
      {"specific entropy", "STM_nStp", "J/(kg K)"},
      {"isobaric heat capacity", "STM_nCtp", "J/(kg K)"},
  };
  show("libCalorix.so", "IFC-67", ifc67, sizeof ifc67 / sizeof ifc67[0]);
  return 0;
}
