// A save written into the account file itself, under a journal.
//
// For account_save.cpp, which chooses it where a rename would change what the
// file is (see account_save.h for the whole contract). In order: the
// complete old version is made durable in the backup (or, when the old file
// does not read, the backup already there is taken as the version to go back
// to), the journal records it and the new version (save_journal.h), the new
// content is written with its first bytes last and flushed, and the journal
// goes. A write that fails puts the backup's bytes back; when even that
// fails, the journal stays, so that the next open rolls the file back.
#pragma once

#include <sys/stat.h>

#include "data/account_save.h"
#include "data/content_probe.h"
#include "data/file_place.h"
#include "data/save_files.h"

namespace purso {

// The result of a save that failed for reason failure with errno error, and
// the same with the reason that errno gives.
SaveResult FailedSave(SaveFailure failure, int error);
SaveResult FailedSave(int error);

// Writes the content, whose digest is next, into the file at place, which
// had the status old when the save looked at it. keepOld: the old file
// becomes the backup; otherwise the backup there already is kept.
SaveResult SaveInPlace(const CFilePlace& place, const struct stat& old, bool keepOld, const ContentWriter& write,
                       const ContentDigest& next);

}  // namespace purso
