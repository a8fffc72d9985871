// The per-user settings store: text entries by section and key, under the
// application's name.
#ifndef HYDRELIX_SHELL_SETTINGS_STORE_H
#define HYDRELIX_SHELL_SETTINGS_STORE_H

#include <map>
#include <string>
#include <utility>

namespace shell {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or `fallback` when the entry does not exist.
  virtual std::string Read(const std::string& section, const std::string& key,
                           const std::string& fallback) const = 0;
  // Creates or replaces the entry. A failed write reports nothing.
  virtual void Write(const std::string& section, const std::string& key,
                     const std::string& text) = 0;
};

// A store that lives as long as the object: a first run, in tests and in the
// session player.
class InMemorySettingsStore final : public SettingsStore {
 public:
  std::string Read(const std::string& section, const std::string& key,
                   const std::string& fallback) const override {
    const auto found = entries.find({section, key});
    return found == entries.end() ? fallback : found->second;
  }
  void Write(const std::string& section, const std::string& key,
             const std::string& text) override {
    entries[{section, key}] = text;
  }

  std::map<std::pair<std::string, std::string>, std::string> entries;
};

}  // namespace shell

#endif
