// The per-user settings store on QSettings: organisation and application
// "Hydrelix", one settings group per section, in the platform's own format
// (an INI file under the user's configuration folder on Linux).
#ifndef HYDRELIX_PLATFORM_QT_SETTINGS_STORE_H
#define HYDRELIX_PLATFORM_QT_SETTINGS_STORE_H

#include "shell/settings_store.h"

#include <memory>
#include <string>

class QSettings;

namespace platform {

class QtSettingsStore final : public shell::SettingsStore {
 public:
  QtSettingsStore();
  ~QtSettingsStore() override;
  QtSettingsStore(const QtSettingsStore&) = delete;
  QtSettingsStore& operator=(const QtSettingsStore&) = delete;

  std::string Read(const std::string& section, const std::string& key,
                   const std::string& fallback) const override;
  void Write(const std::string& section, const std::string& key,
             const std::string& text) override;

  // Where the entries are kept, for the user who looks for them.
  std::string FileName() const;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace platform

#endif
