// A private, emptied-on-exit folder for tests that work with real files.
#pragma once

#include <stdlib.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace purso::test {

using Bytes = std::vector<std::uint8_t>;

inline void WriteRaw(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

inline Bytes ReadRaw(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The folder exists from construction on, so that members may name paths in it.
class ScratchFolderTest : public ::testing::Test {
 protected:
  ScratchFolderTest() {
    std::string pattern = ::testing::TempDir() + "purso_scratch_XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "no scratch folder";
    folder_ = pattern;
  }
  ~ScratchFolderTest() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  // The folder's entries, hidden ones included, in name order.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  std::filesystem::path folder_;
};

}  // namespace purso::test
