// ISettingsStore: the per-user settings of the program.
//
// The program keeps only its recent-file list there; everything that
// matters to an account is in the account's file. Values are texts filed by
// section and key. Whoever needs the store is given it; tests give a
// CMemorySettingsStore.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace purso {

class ISettingsStore {
 public:
  virtual ~ISettingsStore() = default;
  virtual std::optional<std::string> Read(const std::string& section, const std::string& key) const = 0;
  virtual void Write(const std::string& section, const std::string& key, const std::string& value) = 0;
  virtual void Remove(const std::string& section, const std::string& key) = 0;
};

// Settings held in memory only.
class CMemorySettingsStore final : public ISettingsStore {
 public:
  std::optional<std::string> Read(const std::string& section, const std::string& key) const override;
  void Write(const std::string& section, const std::string& key, const std::string& value) override;
  void Remove(const std::string& section, const std::string& key) override;

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace purso
