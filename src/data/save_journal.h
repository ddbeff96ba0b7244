// CSaveJournal: the mark of a save in place, to roll back a torn account.
//
// A save that must write into the account file itself (see account_save.h)
// first makes the complete old version durable in the backup "<name>.bak",
// then this journal ".<name>.journal" beside the account: which file is
// being written (device and inode), and the length and checksum of the old
// version, the backup, and of the new one. Only then is the account written;
// the journal goes when every byte is on disk. The save holds the journal
// locked (flock) while it runs, so that an opener waits for a save in
// progress rather than take it for an interrupted one.
//
// Opening an account first looks for such a journal, its own or that of a
// hard link in the same folder. A journal whose account holds neither
// version completely marks a save that was killed part way: the account is
// put back from the backup when the backup is the recorded old version. An
// account holding either version is whole, and the journal is dropped. A
// journal that is not a regular file owned by a user of the folder who may
// write the account, or that does not read as one, is none of this
// program's and is ignored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/content_probe.h"
#include "data/file_place.h"
#include "data/save_files.h"

namespace purso {

struct JournalRecord {
  std::uint64_t device = 0;  // the account file being written in place
  std::uint64_t inode = 0;
  ContentDigest old;         // the complete old version, as the backup holds it
  ContentDigest next;        // the version being written

  friend bool operator==(const JournalRecord&, const JournalRecord&) = default;
};

// The journal's name for the account named accountName.
std::string JournalNameOf(std::string_view accountName);

// The journal's text for a record, and the record a text holds (false when
// it holds none).
std::string JournalText(const JournalRecord& record);
bool ParseJournal(std::string_view text, JournalRecord& record);

class CSaveJournal {
 public:
  // Writes the journal of a save in place of the account at place durably
  // and holds it locked; readable by whoever may read the account, whose
  // permission bits are accountMode. IsWritten() is false on failure, with
  // errno set.
  CSaveJournal(const CFilePlace& place, const JournalRecord& record, mode_t accountMode);
  CSaveJournal(const CSaveJournal&) = delete;
  CSaveJournal& operator=(const CSaveJournal&) = delete;

  bool IsWritten() const { return written_; }
  // Drops the journal once the account is whole again.
  void Remove();

 private:
  const CFilePlace& place_;
  CTemporaryFile file_;
  bool written_ = false;
};

enum class Recovery {
  kNone,           // no save in place of this account was interrupted
  kRolledBack,     // one was, and the account was put back from its backup
  kNotRolledBack,  // one was, and the account could not be put back: it is torn
};

struct RecoveryResult {
  Recovery status = Recovery::kNone;
  std::string backup;  // the name of the backup the account was, or was to be, put back from
};

// Looks for an interrupted save in place of the account at place and rolls
// it back; for every opener of an account to call before reading it.
RecoveryResult RecoverInterruptedSave(const CFilePlace& place);

}  // namespace purso
