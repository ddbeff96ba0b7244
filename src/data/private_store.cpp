#include "data/private_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "data/content_probe.h"
#include "data/file_descriptor.h"

namespace purso {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryExtension = ".tmp";

std::string AbsoluteEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

// Makes one folder 0700 if it is missing; true when it is then a folder.
bool MakeFolder(const std::string& folder) {
  if (::mkdir(folder.c_str(), 0700) == 0) return true;
  struct stat info {};
  return errno == EEXIST && ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string DefaultPrivateRoot() {
  std::string data = AbsoluteEnvironment("XDG_DATA_HOME");
  if (data.empty()) {
    const std::string home = AbsoluteEnvironment("HOME");
    if (home.empty()) return {};
    data = home + "/.local/share";
  }
  return data + "/purso";
}

bool MakePrivateFolder(const std::string& folder) {
  if (folder.empty()) return false;
  // The folders above are made as the user's own data folders are: 0700.
  const fs::path path(folder);
  fs::path made;
  for (const fs::path& part : path.parent_path()) {
    made /= part;
    if (made.has_relative_path() && !MakeFolder(made.string())) return false;
  }
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) {
    errno = EACCES;
    return false;
  }
  if ((info.st_mode & 077) != 0 && ::chmod(folder.c_str(), info.st_mode & 0700) != 0) return false;
  return true;
}

bool WritePrivateFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  const std::string temporary = path + "." + RandomHex() + std::string(kTemporaryExtension);
  CFileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (!file.IsOpen()) return false;
  const bool written = WriteAll(file.Get(), bytes.data(), bytes.size()) && ::fsync(file.Get()) == 0;
  if (!file.Close() || !written || ::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    errno = error;
    return false;
  }
  // The rename lasts once the folder's entries are on disk.
  CFileDescriptor folder(::open(fs::path(path).parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.IsOpen()) ::fsync(folder.Get());
  return true;
}

std::string HashName(const std::string& path) {
  // The content digest (FNV-1a, 64 bits): stable across runs and builds,
  // which std::hash is not.
  ContentDigest digest;
  digest.Add(reinterpret_cast<const std::uint8_t*>(path.data()), path.size());
  char name[17];
  std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(digest.checksum));
  return name;
}

std::string RandomHex() {
  static thread_local std::mt19937_64 random{std::random_device{}()};
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(random()));
  return digits;
}

std::optional<std::string_view> PrivateTemporaryTarget(std::string_view entryName) {
  constexpr std::size_t kDigits = 16;
  if (!entryName.ends_with(kTemporaryExtension)) return std::nullopt;
  entryName.remove_suffix(kTemporaryExtension.size());
  if (entryName.size() < kDigits + 2 || entryName[entryName.size() - kDigits - 1] != '.' ||
      entryName.substr(entryName.size() - kDigits).find_first_not_of("0123456789abcdef") != std::string_view::npos) {
    return std::nullopt;
  }
  return entryName.substr(0, entryName.size() - kDigits - 1);
}

std::string RealPathOf(const std::string& path) {
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error);
  if (error) return path;
  const fs::path real = fs::weakly_canonical(absolute, error);
  return error ? absolute.lexically_normal().string() : real.string();
}

}  // namespace purso
