#include "qt/qt_settings_store.h"

namespace purso {
namespace {

QString KeyOf(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

CQtSettingsStore::CQtSettingsStore() : settings_(QStringLiteral("Tolva Computing"), QStringLiteral("Purso")) {}

std::optional<std::string> CQtSettingsStore::Read(const std::string& section, const std::string& key) const {
  const QVariant value = settings_.value(KeyOf(section, key));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

void CQtSettingsStore::Write(const std::string& section, const std::string& key, const std::string& value) {
  settings_.setValue(KeyOf(section, key), QString::fromStdString(value));
}

void CQtSettingsStore::Remove(const std::string& section, const std::string& key) {
  settings_.remove(KeyOf(section, key));
}

}  // namespace purso
