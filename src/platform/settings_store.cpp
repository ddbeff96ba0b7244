#include "platform/settings_store.h"

namespace purso {

std::optional<std::string> CMemorySettingsStore::Read(const std::string& section, const std::string& key) const {
  const auto found = values_.find({section, key});
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

void CMemorySettingsStore::Write(const std::string& section, const std::string& key, const std::string& value) {
  values_[{section, key}] = value;
}

void CMemorySettingsStore::Remove(const std::string& section, const std::string& key) { values_.erase({section, key}); }

}  // namespace purso
