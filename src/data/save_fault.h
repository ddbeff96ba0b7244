// Failures of the save's file-system calls, made to order for tests.
//
// Disk-full, read-only folders and file systems that refuse permission
// changes cannot be arranged for every user (the superuser ignores folder
// permissions), so tests make the call at one step of a save fail with a
// chosen error instead. Nothing is in force outside a CScopedSaveFault;
// like the clock, it is process-wide and meant for single-threaded tests.
#pragma once

namespace purso {

// The steps of a save that a test can make fail.
enum class SaveStep {
  kCreateTemporary,  // creating a file beside the account (temporary or backup copy)
  kSetMode,          // giving the temporary file the account's permissions
  kWriteContent,     // after the content was written, as a write error would
  kLinkBackup,       // keeping the replaced file as the backup by a link
  kRestore,          // putting the old bytes back after a failed in-place write
};

// Makes every call at step fail with errno error for its own lifetime.
// Scopes nest; the innermost one for a step wins.
class CScopedSaveFault {
 public:
  CScopedSaveFault(SaveStep step, int error);
  ~CScopedSaveFault();
  CScopedSaveFault(const CScopedSaveFault&) = delete;
  CScopedSaveFault& operator=(const CScopedSaveFault&) = delete;

 private:
  SaveStep step_;
  int error_;
  const CScopedSaveFault* previous_;

  friend int InjectedSaveFault(SaveStep step);
};

// The error a step must fail with, or 0 when it is to run as usual.
int InjectedSaveFault(SaveStep step);

}  // namespace purso
