// CpursoPXFDoc: one open account.
//
// The document owns the account book for as long as its window is open,
// reads and writes it as an account file, and carries the account commands:
// each opens its dialog on the current year, some behind a guard, and ends
// with the same bookkeeping, so that the unsaved-changes state follows the
// book and the views recompute their figures.
//
// Views register to be told when the account changed. The recalculation
// flag says that the balances must be computed again; the view clears it
// when it has done so.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/account_book.h"
#include "data/account_lock.h"
#include "data/file_stamp.h"
#include "platform/host.h"
#include "platform/settings_store.h"
#include "platform/task_progress.h"
#include "resources/command_ids.h"

namespace purso {

// What a document tells its views.
class IDocumentView {
 public:
  virtual ~IDocumentView() = default;
  // The account changed; repaint everything.
  virtual void OnDocumentChanged() = 0;
};

// The checks some commands make before their dialog opens.
enum class CommandGuard {
  kHasObjects,
  kHasFunctionalAreas,
  kHasCategories,
};

class CpursoPXFDoc {
 public:
  // A new, empty account; host runs its dialogs and must outlive it.
  explicit CpursoPXFDoc(IHost& host);

  CAccountBook& Book() { return book_; }
  const CAccountBook& Book() const { return book_; }
  CYearLedger& CurrentLedger() { return book_.CurrentLedger(); }

  // The file the account was read from or last saved to; empty for a new account.
  const std::string& PathName() const { return pathName_; }
  // The name shown in titles and prompts: the file's name, or for a new
  // account the name it was given ("Purso1").
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  // Whether the account has changes that are not in its file: whatever
  // path made them, the book reports them.
  bool IsModified() const { return book_.IsModified(); }

  bool NeedsRecalculation() const { return recalculate_; }
  void SetRecalculation() { recalculate_ = true; }
  void ClearRecalculation() { recalculate_ = false; }

  // Reads the account file and holds its lock while the document lives. On
  // failure shows why (the file does not exist, may not be read, or is no
  // valid account: the reading message) and leaves the document as it was;
  // a document that failed to read must not be shown. When another program
  // holds the account, asks whether to open it all the same; false on No.
  bool OnOpenDocument(const std::string& path);
  // Writes the account file, keeping the version it replaces as a backup.
  // Asks before overwriting a file that changed on disk since this document
  // read or last wrote it. On failure shows why; the file keeps its old
  // content and the account stays modified.
  bool OnSaveDocument(const std::string& path);
  // The file Save As writes for the name the user typed: with the default
  // extension when the name has none. When that file exists and is not this
  // account's own, asks whether to replace it; none on No.
  std::optional<std::string> SaveAsTarget(const std::string& typedPath);

  // Whether the command is an account command whose dialog the program has.
  bool IsCommandAvailable(int commandId) const;
  // Runs an account command; false for a command the document does not carry.
  bool OnCommand(int commandId);

  // Imports the bank statement at path (OFX or QFX, QIF, CSV, by its
  // extension) into the account: a CSV statement first goes through the
  // Statement Columns dialog, whose choices settings remembers; then the
  // Import dialog shows what importing would do. A statement that cannot be
  // read is refused in the Problem dialog, naming the file and the line.
  // The file is read and proposed through runner, away from the window's
  // thread and with a Cancel; running out of memory ends the command with
  // "Unable to complete operation (out of memory).". True when lines were
  // imported, after the bookkeeping of a command; otherwise the account is
  // as it was.
  bool ImportStatement(const std::string& path, ISettingsStore& settings, IBackgroundRunner& runner);
  // The name Export Year as CSV proposes: "<account> <year>.csv", the
  // account's name without its extension.
  std::string ExportFileName() const;
  // Writes the current year's transactions and predactions as CSV (UTF-8)
  // to path, replacing the file whole or not at all; false, having shown
  // why, when it cannot be written.
  bool ExportYear(const std::string& path);

  // True when the guard holds; otherwise shows its Problem dialog.
  bool CheckGuard(CommandGuard guard);

  void AddView(IDocumentView& view);
  void RemoveView(IDocumentView& view);
  void UpdateAllViews();

  IHost& Host() { return host_; }

  // Recalculation flag set, views told: what every command that can change
  // balances does after its dialog.
  void Bookkeeping();

 private:
  // The account now is the file at path, as read or written.
  void TakePath(const std::string& path, const FileStamp& stamp);
  // Takes the lock of path into lock, asking question (with %1 the file's
  // name) when another program holds it; false when the user says No.
  bool LockFile(CAccountLock& lock, const std::string& path, std::string_view question);

  IHost& host_;
  CAccountBook book_;
  std::string pathName_;
  std::string title_;
  // Held while the account is open; replaced as a whole on Save As.
  std::unique_ptr<CAccountLock> lock_ = std::make_unique<CAccountLock>();
  // The file as this document last read or wrote it, to see another
  // program's change before overwriting it.
  FileStamp stamp_;
  bool recalculate_ = true;
  std::vector<IDocumentView*> views_;
};

}  // namespace purso
