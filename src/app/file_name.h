// The name of a file: the last component of its path, as titles, prompts
// and the recent-file menu show it.
#pragma once

#include <string>

namespace purso {

inline std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace purso
