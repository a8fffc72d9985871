#include "platform/qt_settings_store.h"

#include "shell/application_identity.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace platform {

namespace {

QString EntryPath(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QString::fromUtf8(shell::kIdentity.title),
                                            QString::fromUtf8(shell::kIdentity.title))) {}

QtSettingsStore::~QtSettingsStore() = default;

std::string QtSettingsStore::Read(const std::string& section, const std::string& key,
                                  const std::string& fallback) const {
  const QString path = EntryPath(section, key);
  if (!settings_->contains(path)) return fallback;
  const QVariant value = settings_->value(path);
  // A hand-edited value with a comma comes back as a list; its text is still
  // what the user wrote, and the strict reading of each setting judges it.
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(QStringLiteral(", ")).toStdString();
  }
  return value.toString().toStdString();
}

void QtSettingsStore::Write(const std::string& section, const std::string& key,
                            const std::string& text) {
  settings_->setValue(EntryPath(section, key), QString::fromStdString(text));
  // Each entry reaches the file at once, so a run that ends abruptly after
  // the unload handler has begun still leaves what it wrote.
  settings_->sync();
}

std::string QtSettingsStore::FileName() const { return settings_->fileName().toStdString(); }

}  // namespace platform
