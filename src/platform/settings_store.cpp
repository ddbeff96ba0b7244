#include "platform/settings_store.h"

namespace purso {
namespace {

CMemorySettingsStore g_defaultStore;
ISettingsStore* g_store = &g_defaultStore;

}  // namespace

std::optional<std::string> CMemorySettingsStore::Read(const std::string& section, const std::string& key) const {
  const auto found = values_.find({section, key});
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

void CMemorySettingsStore::Write(const std::string& section, const std::string& key, const std::string& value) {
  values_[{section, key}] = value;
}

void CMemorySettingsStore::Remove(const std::string& section, const std::string& key) { values_.erase({section, key}); }

ISettingsStore& CurrentSettingsStore() { return *g_store; }

CScopedSettingsStore::CScopedSettingsStore(ISettingsStore& store) : previous_(g_store) { g_store = &store; }

CScopedSettingsStore::~CScopedSettingsStore() { g_store = previous_; }

}  // namespace purso
