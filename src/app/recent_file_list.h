// CRecentFileList: the most recently used account files.
//
// Four entries, newest first, kept in the per-user settings store under the
// section "Recent File List" as "File1" to "File4". A file opened or saved
// under a name moves to the front; the same file is listed once.
#pragma once

#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace purso {

class CRecentFileList {
 public:
  static constexpr std::size_t kSize = 4;

  // Reads the list from store, which must outlive the list.
  explicit CRecentFileList(ISettingsStore& store);

  const std::vector<std::string>& Files() const { return files_; }

  // Puts path first, and writes the list back.
  void Add(const std::string& path);
  // Drops path (a file that could not be opened), and writes the list back.
  void Remove(const std::string& path);

  // The menu text of entry index: "&1 name" with the file's name, or its
  // whole path when another entry has the same name.
  std::string MenuText(std::size_t index) const;

 private:
  void Save();

  ISettingsStore& store_;
  std::vector<std::string> files_;
};

}  // namespace purso
