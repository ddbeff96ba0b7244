// The private place where the program keeps copies of accounts beside their
// files: kept versions and recovery copies.
//
// It is the folder "purso" in the user's data folder: $XDG_DATA_HOME when
// that is an absolute path, else ~/.local/share. Its folders are made 0700
// and must belong to the user and be open to no one else; its files are made
// 0600 and written whole: a temporary file in the same folder, flushed, then
// renamed over the old one, so that a reader finds the old file or the new
// one, never a part.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace purso {

// The folder, from the environment; empty when neither XDG_DATA_HOME nor
// HOME names an absolute path.
std::string DefaultPrivateRoot();

// Makes folder private: creates it (and the folders above it that are
// missing) with mode 0700, and takes the group's and others' rights from a
// folder of this user's. False when it cannot be made, is no folder (a
// symbolic link is refused) or belongs to someone else.
bool MakePrivateFolder(const std::string& folder);

// Writes bytes as the file at path, mode 0600, whole or not at all. The
// folder must exist. False, with errno set, when it cannot be written.
bool WritePrivateFile(const std::string& path, std::span<const std::uint8_t> bytes);

// A name for a file or folder that stands for path: 16 hexadecimal digits
// of a hash of its bytes.
std::string HashName(const std::string& path);

// 16 random hexadecimal digits, for names no other file of the folder has.
std::string RandomHex();

// The file a temporary of WritePrivateFile is written for, from the
// temporary's name ("<name>.<16 hex digits>.tmp"); none for another name.
std::optional<std::string_view> PrivateTemporaryTarget(std::string_view entryName);

// The absolute form of path, symbolic links followed as far as the path
// exists: every name of one file gives the same text.
std::string RealPathOf(const std::string& path);

}  // namespace purso
