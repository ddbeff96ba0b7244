#include "app/recent_file_list.h"

#include <algorithm>

#include "app/file_name.h"

namespace purso {
namespace {

constexpr const char* kSection = "Recent File List";

std::string KeyOf(std::size_t index) { return "File" + std::to_string(index + 1); }

}  // namespace

CRecentFileList::CRecentFileList(ISettingsStore& store) : store_(store) {
  for (std::size_t i = 0; i < kSize; ++i) {
    const auto value = store_.Read(kSection, KeyOf(i));
    if (value && !value->empty() && std::find(files_.begin(), files_.end(), *value) == files_.end()) {
      files_.push_back(*value);
    }
  }
}

void CRecentFileList::Add(const std::string& path) {
  std::erase(files_, path);
  files_.insert(files_.begin(), path);
  if (files_.size() > kSize) files_.resize(kSize);
  Save();
}

void CRecentFileList::Remove(const std::string& path) {
  std::erase(files_, path);
  Save();
}

std::string CRecentFileList::MenuText(std::size_t index) const {
  const std::string name = FileNameOf(files_[index]);
  const bool clash = std::count_if(files_.begin(), files_.end(),
                                   [&name](const std::string& other) { return FileNameOf(other) == name; }) > 1;
  std::string shown = clash ? files_[index] : name;
  // A "&" in a file name would underline the next letter instead of showing.
  for (std::size_t at = shown.find('&'); at != std::string::npos; at = shown.find('&', at + 2)) shown.insert(at, "&");
  return "&" + std::to_string(index + 1) + " " + shown;
}

void CRecentFileList::Save() {
  for (std::size_t i = 0; i < kSize; ++i) {
    if (i < files_.size()) {
      store_.Write(kSection, KeyOf(i), files_[i]);
    } else {
      store_.Remove(kSection, KeyOf(i));
    }
  }
}

}  // namespace purso
