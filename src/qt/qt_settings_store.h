// CQtSettingsStore: the per-user settings in QSettings, under the
// organisation "Tolva Computing" and the application "Purso".
#pragma once

#include <QSettings>

#include "platform/settings_store.h"

namespace purso {

class CQtSettingsStore final : public ISettingsStore {
 public:
  CQtSettingsStore();
  std::optional<std::string> Read(const std::string& section, const std::string& key) const override;
  void Write(const std::string& section, const std::string& key, const std::string& value) override;
  void Remove(const std::string& section, const std::string& key) override;

 private:
  mutable QSettings settings_;
};

}  // namespace purso
