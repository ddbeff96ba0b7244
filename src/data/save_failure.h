// Why a save failed, and the message the user is shown for each reason.
//
// A failed save leaves the account file as it was (but for kDamaged, where
// the backup holds the previous version), so every message but the general
// one says so. The texts take the file's name for %1 and the backup's for %2.
#pragma once

#include <string>
#include <string_view>

#include "resources/translatable.h"

namespace purso {

enum class SaveFailure {
  kNone,
  kReadOnly,           // the file is marked read-only, or lies on a read-only disk
  kNoPermission,       // the system refuses this user the change
  kFolderNotWritable,  // the folder takes no new file, so no safe way to save is left
  kNoSpace,            // the disk or the user's quota is full
  kInvalidName,        // the folder is missing, a folder has the name, or the name is not valid
  kDamaged,            // writing in place failed and the old bytes could not be put back
  kIoError,            // any other error: the general writing message
};

// The general writing message, shown for kIoError.
inline constexpr std::string_view kWritingProblem = PURSO_TEXT(
    "SaveFailure",
    "Error writing to .PXF file. Possible causes:\n- the disk is full\n- there is no floppy in the drive\n- the "
    "filename is invalid\n- ...");
inline constexpr std::string_view kWritingSuggestion =
    PURSO_TEXT("SaveFailure", "- delete some files on your disk\n- insert a floppy\n- try a new file");

struct SaveMessage {
  std::string problem;
  std::string suggestion;
};

// The reason for a system call's failure, from its errno.
SaveFailure SaveFailureOf(int error);

// The texts before the names are put in, with %1 and %2 as they stand, in
// the program's English; empty for kNone.
std::string_view SaveProblemText(SaveFailure failure);
std::string_view SaveSuggestionText(SaveFailure failure);

// The message for a failed save of fileName, whose backup is backupName, in
// the user's language.
SaveMessage SaveFailureMessage(SaveFailure failure, std::string_view fileName, std::string_view backupName);

// The notice after a save that succeeded but could not keep the previous version.
SaveMessage BackupNotKeptMessage(std::string_view fileName, std::string_view backupName);

}  // namespace purso
