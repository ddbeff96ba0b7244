#include "data/save_failure.h"

#include <cerrno>

#include "data/translation.h"
#include "resources/translatable.h"

namespace purso {
namespace {

struct FailureText {
  SaveFailure failure;
  std::string_view problem;
  std::string_view suggestion;
};

constexpr FailureText kTexts[] = {
    {SaveFailure::kReadOnly, PURSO_TEXT("SaveFailure", "The file %1 is read-only.\nIt was not changed."),
     PURSO_TEXT("SaveFailure",
                "- save it under another name with \"File|Save As...\"\n- make the file writable and save again")},
    {SaveFailure::kNoPermission, PURSO_TEXT("SaveFailure", "You may not change the file %1.\nIt was not changed."),
     PURSO_TEXT("SaveFailure",
                "- save it under another name with \"File|Save As...\"\n- ask the owner of the file for the right to "
                "change it")},
    {SaveFailure::kFolderNotWritable,
     PURSO_TEXT(
         "SaveFailure",
         "The folder of the file %1 does not accept new files, so the file cannot be saved there safely.\nIt was not "
         "changed."),
     PURSO_TEXT(
         "SaveFailure",
         "- save it under another name with \"File|Save As...\" in a folder of your own\n- ask the owner of the folder "
         "for the right to create files in it")},
    {SaveFailure::kNoSpace,
     PURSO_TEXT("SaveFailure", "There is not enough room on the disk to save the file %1.\nIt was not changed."),
     PURSO_TEXT(
         "SaveFailure",
         "- delete some files on your disk\n- save it under another name with \"File|Save As...\" on another disk")},
    {SaveFailure::kInvalidName,
     PURSO_TEXT(
         "SaveFailure",
         "The file %1 cannot be written.\nIts folder does not exist, a folder has its name, or the name is not valid."),
     PURSO_TEXT("SaveFailure", "- save it under another name with \"File|Save As...\"")},
    {SaveFailure::kDamaged,
     PURSO_TEXT(
         "SaveFailure",
         "Saving the file %1 failed part way, and it could not be put back as it was.\nIts previous version is kept in "
         "%2."),
     PURSO_TEXT(
         "SaveFailure",
         "- save the account under another name with \"File|Save As...\"\n- copy %2 over %1 if you need the previous "
         "version")},
    {SaveFailure::kIoError, kWritingProblem, kWritingSuggestion},
};

constexpr std::string_view kBackupNotKeptProblem =
    PURSO_TEXT("SaveFailure", "The file %1 was saved, but its previous version could not be kept in %2.");
constexpr std::string_view kBackupNotKeptSuggestion =
    PURSO_TEXT("SaveFailure", "- make room on the disk so that the next save keeps the previous version");

const FailureText* Find(SaveFailure failure) {
  for (const FailureText& text : kTexts) {
    if (text.failure == failure) return &text;
  }
  return nullptr;
}

}  // namespace

SaveFailure SaveFailureOf(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return SaveFailure::kNoSpace;
    case EROFS:
      return SaveFailure::kReadOnly;
    case EACCES:
    case EPERM:
      return SaveFailure::kNoPermission;
    case ENOENT:
    case ENOTDIR:
    case EISDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return SaveFailure::kInvalidName;
    default:
      return SaveFailure::kIoError;
  }
}

std::string_view SaveProblemText(SaveFailure failure) {
  const FailureText* text = Find(failure);
  return text != nullptr ? text->problem : std::string_view();
}

std::string_view SaveSuggestionText(SaveFailure failure) {
  const FailureText* text = Find(failure);
  return text != nullptr ? text->suggestion : std::string_view();
}

SaveMessage SaveFailureMessage(SaveFailure failure, std::string_view fileName, std::string_view backupName) {
  return {Filled(Translate("SaveFailure", SaveProblemText(failure)), {fileName, backupName}),
          Filled(Translate("SaveFailure", SaveSuggestionText(failure)), {fileName, backupName})};
}

SaveMessage BackupNotKeptMessage(std::string_view fileName, std::string_view backupName) {
  return {Filled(Translate("SaveFailure", kBackupNotKeptProblem), {fileName, backupName}),
          Filled(Translate("SaveFailure", kBackupNotKeptSuggestion), {fileName, backupName})};
}

}  // namespace purso
