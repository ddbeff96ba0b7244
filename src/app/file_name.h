// The name of a file: the last component of its path, as titles, prompts
// and the recent-file menu show it; and that name without its extension, as
// the account is named in what is made of it (exports, reports, prints).
#pragma once

#include <string>

namespace purso {

inline std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A name starting with its only dot (".budget") keeps it.
inline std::string StemOf(const std::string& name) {
  const auto dot = name.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace purso
