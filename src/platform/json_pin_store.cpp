#include "platform/json_pin_store.h"

#include "analysis/formulation_names.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>
#include <optional>

namespace platform {

namespace {

using analysis::Pin;
using analysis::PinnedStates;

struct ValueKey {
  const char* key;
  double Pin::*field;
};

const ValueKey kValueKeys[] = {
    {analysis::kPinTemperatureKey, &Pin::temperature},
    {analysis::kPinPressureKey, &Pin::pressure},
    {analysis::kPinQualityKey, &Pin::quality},
    {analysis::kPinEnthalpyKey, &Pin::enthalpy},
    {analysis::kPinEntropyKey, &Pin::entropy},
    {analysis::kPinVolumeKey, &Pin::volume},
};

QString Key(const char* key) { return QString::fromLatin1(key); }

std::optional<Pin> ReadPin(const QJsonValue& value) {
  if (!value.isObject()) return std::nullopt;
  const QJsonObject object = value.toObject();
  Pin pin;
  const QJsonValue name = object.value(Key("name"));
  if (!name.isString() || name.toString().trimmed().isEmpty()) return std::nullopt;
  pin.name = name.toString().toStdString();
  const auto formulation =
      analysis::FormulationNamed(object.value(Key("formulation")).toString().toStdString());
  const auto pair = analysis::PairWithSymbols(object.value(Key("inputs")).toString().toStdString());
  if (!formulation || !pair) return std::nullopt;
  pin.formulation = *formulation;
  pin.pair = *pair;
  for (const ValueKey& entry : kValueKeys) {
    const QJsonValue number = object.value(Key(entry.key));
    if (!number.isDouble() || !std::isfinite(number.toDouble())) return std::nullopt;
    pin.*entry.field = number.toDouble();
  }
  return pin;
}

enum class Verdict { Read, Damaged, Newer };

Verdict ReadPins(const QByteArray& bytes, PinnedStates& pins) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return Verdict::Damaged;
  const QJsonObject root = document.object();
  if (root.value(Key("content")).toString() != QString::fromLatin1(analysis::kPinFileContent)) {
    return Verdict::Damaged;
  }
  const QJsonValue version = root.value(Key("version"));
  if (!version.isDouble() || version.toDouble() < 1 ||
      version.toDouble() != std::floor(version.toDouble())) {
    return Verdict::Damaged;
  }
  if (version.toDouble() > analysis::kPinFileVersion) return Verdict::Newer;

  const QString differences = root.value(Key("differences")).toString();
  if (differences == QLatin1String("previous")) {
    pins.SetBase(analysis::DifferenceBase::Previous);
  } else if (differences != QLatin1String("reference")) {
    return Verdict::Damaged;
  }
  const QJsonValue list = root.value(Key("pins"));
  if (!list.isArray() || list.toArray().size() > static_cast<qsizetype>(PinnedStates::kCapacity)) {
    return Verdict::Damaged;
  }
  for (const QJsonValue& entry : list.toArray()) {
    std::optional<Pin> pin = ReadPin(entry);
    if (!pin) return Verdict::Damaged;
    pins.Append(std::move(*pin));
  }
  const QJsonValue reference = root.value(Key("reference"));
  if (!reference.isUndefined()) {
    const double row = reference.toDouble(-1);
    if (!reference.isDouble() || row < 0 || row != std::floor(row) ||
        row >= static_cast<double>(pins.Count())) {
      return Verdict::Damaged;
    }
    pins.SetReference(static_cast<std::size_t>(row));
  }
  return Verdict::Read;
}

QByteArray WritePins(const PinnedStates& pins) {
  QJsonObject root;
  root.insert(Key("content"), Key(analysis::kPinFileContent));
  root.insert(Key("version"), analysis::kPinFileVersion);
  root.insert(Key("differences"), pins.Base() == analysis::DifferenceBase::Previous
                                      ? QStringLiteral("previous")
                                      : QStringLiteral("reference"));
  if (pins.ChosenReference()) {
    root.insert(Key("reference"), static_cast<qint64>(*pins.ChosenReference()));
  }
  QJsonArray list;
  for (const Pin& pin : pins.Pins()) {
    QJsonObject object;
    object.insert(Key("name"), QString::fromStdString(pin.name));
    object.insert(Key("formulation"), Key(analysis::FormulationName(pin.formulation)));
    object.insert(Key("inputs"), Key(analysis::PairSymbols(pin.pair)));
    for (const ValueKey& entry : kValueKeys) object.insert(Key(entry.key), pin.*entry.field);
    list.append(object);
  }
  root.insert(Key("pins"), list);
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

// A name beside the file no other file has: pins.json becomes
// pins.unreadable-20261209-221500.json, with -2, -3 ... when that is taken.
QString AsideName(const QString& fileName) {
  const QFileInfo info(fileName);
  const QString stem = info.dir().filePath(info.completeBaseName() + QStringLiteral(".unreadable-") +
                                           QDateTime::currentDateTimeUtc().toString(
                                               QStringLiteral("yyyyMMdd-HHmmss")));
  const QString suffix = QStringLiteral(".") + info.suffix();
  QString candidate = stem + suffix;
  for (int n = 2; QFileInfo::exists(candidate); ++n) {
    candidate = stem + QStringLiteral("-") + QString::number(n) + suffix;
  }
  return candidate;
}

std::string DefaultFileName() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return QDir(folder).filePath(QStringLiteral("Hydrelix/pins.json")).toStdString();
}

}  // namespace

JsonPinStore::JsonPinStore() : fileName_(DefaultFileName()) {}

JsonPinStore::JsonPinStore(std::string fileName) : fileName_(std::move(fileName)) {}

analysis::PinLoad JsonPinStore::Load() {
  analysis::PinLoad load;
  const QString fileName = QString::fromStdString(fileName_);
  QFile file(fileName);
  if (!file.exists()) return load;
  Verdict verdict = Verdict::Damaged;
  if (file.open(QIODevice::ReadOnly)) {
    verdict = ReadPins(file.readAll(), load.pins);
    file.close();
  }
  if (verdict == Verdict::Read) return load;

  load.pins = PinnedStates{};
  const QString aside = AsideName(fileName);
  const bool moved = QFile::rename(fileName, aside);
  const std::string cause = verdict == Verdict::Newer
                                ? " was written by a newer version of Hydrelix"
                                : " could not be read";
  load.notice = "The pinned states file " + fileName_ + cause + ". ";
  load.notice += moved ? "It was kept as " + aside.toStdString() + "; "
                       : "It was left where it is and will not be overwritten; ";
  load.notice += "the program starts with no pinned states.";
  // A file that could not be moved aside must not be replaced by a save.
  if (!moved) keepFile_ = true;
  return load;
}

bool JsonPinStore::Save(const PinnedStates& pins) {
  if (keepFile_) return false;
  const QString fileName = QString::fromStdString(fileName_);
  if (!QDir().mkpath(QFileInfo(fileName).absolutePath())) return false;
  QSaveFile file(fileName);
  // Writing in place would leave half a file behind on a full disk.
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = WritePins(pins);
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace platform
