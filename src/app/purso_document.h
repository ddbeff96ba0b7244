// CpursoPXFDoc: one open account.
//
// The document owns the account book for as long as its window is open,
// reads and writes it as an account file, and carries the account commands:
// each opens its dialog on the current year, some behind a guard, and ends
// with the same bookkeeping, so that the unsaved-changes state follows the
// book and the views recompute their figures.
//
// Every command that may change the account runs through RunCommand, which
// makes what it changed one undo step named after it (none when nothing
// changed); Undo and Redo, the Edit commands, live here with the steps.
//
// Views register to be told when the account changed. The recalculation
// flag says that the balances must be computed again; the view clears it
// when it has done so.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/safekeeping.h"
#include "app/undo_history.h"
#include "data/account_book.h"
#include "data/account_lock.h"
#include "data/file_place.h"
#include "data/file_stamp.h"
#include "data/kept_versions.h"
#include "data/recovery_file.h"
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
  // Something the user should know in passing, for the status bar.
  virtual void OnDocumentNotice(std::string_view /*text*/) {}
};

// How a command's menu item and button stand: whether it can be chosen, and
// for a command whose caption follows the account (Undo and Redo) the
// caption, with its "&" key; empty for the menu's own.
struct CommandState {
  bool enabled = false;
  std::string caption;
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

  // Reads the account file and holds its lock while the document lives. A
  // save in place of it that was killed part way is rolled back first, and
  // the user told. On failure shows why (the file does not exist, may not be
  // read, or is no valid account: the reading message) and leaves the
  // document as it was; a document that failed to read must not be shown. A
  // damaged file whose backup reads is not refused outright: the user may
  // open the backup in its place, as a modified account under the file's
  // name. When another program holds the account, asks whether to open it
  // all the same; false on No.
  bool OnOpenDocument(const std::string& path);
  // Writes the account file, keeping the version it replaces as a backup.
  // Asks before overwriting a file that changed on disk since this document
  // read or last wrote it, or that a link has replaced (the link is replaced
  // then, never written through). On failure shows why; the file keeps its
  // old content and the account stays modified.
  bool OnSaveDocument(const std::string& path);
  // Whether path names this account's file: the same file (device and
  // inode) as it last read or wrote, under any of its names, or the same
  // name in the same folder.
  bool IsOpenAs(const std::string& path) const;
  // The file Save As writes for the name the user typed: with the default
  // extension when the name has none. When that file exists and is not this
  // account's own, asks whether to replace it; none on No.
  std::optional<std::string> SaveAsTarget(const std::string& typedPath);
  // Before the account closes: when it has unsaved changes, asks whether to
  // save them, and on Yes runs save (the frame's Save, which may ask for a
  // name). True when the account may close: nothing to save, No, or a save
  // that succeeded; false on Cancel or a save that did not happen.
  bool SaveModified(const std::function<bool()>& save);

  // Whether the command is one the document carries and can carry out now.
  bool IsCommandAvailable(int commandId) const;
  // How the document's command stands; none for a command it does not carry.
  std::optional<CommandState> QueryCommand(int commandId) const;
  // Runs an account command or an Edit command; false for a command the
  // document does not carry.
  bool OnCommand(int commandId);

  // Runs command, which may change the account, as one step: what it changed
  // becomes one undo step named name, in the user's language ("Undo
  // <name>"), and nothing when it changed nothing; new steps drop those that
  // could be redone.
  void RunCommand(std::string_view name, const std::function<void()>& command);
  // Edit > Undo and Redo: the account exactly as before the last step, or
  // after the next one, its modified state following the last save; then
  // the bookkeeping of a command. Nothing when there is no step.
  void Undo();
  void Redo();
  const CUndoHistory& History() const { return history_; }

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

  // --- What is kept beside the file (document_versions.cpp, document_recovery.cpp)

  // Where this account's versions and recovery copies are kept; nullptr,
  // the start, keeps none. Not owned; must outlive the document.
  void SetSafekeeping(CSafekeeping* keeping) { keeping_ = keeping; }

  // The kept versions of this account, newest first, each read for the
  // list; none for an account never saved.
  std::vector<VersionSummary> KeptVersions() const;
  // Opens a kept version of the account original (its title and path) as a
  // new, unsaved account titled "<original> (restored <date and time>)";
  // its file is the user's to choose. False, having shown the reading
  // message, when the version cannot be read.
  bool OpenVersion(const KeptVersion& version, const std::string& originalTitle, const std::string& originalPath);
  // The file Save As proposes: the account's own, or for an account never
  // saved, its title with the extension; a restored version proposes a new
  // name beside its original.
  std::string SaveAsProposal() const;

  // Writes the recovery copy when one is due: the account has unsaved
  // changes, no command is under way, something changed since the last
  // copy and that copy is kRecoveryInterval old. Every command calls it as
  // it ends; the program's timer calls it too.
  static constexpr std::chrono::seconds kRecoveryInterval{60};
  void KeepRecovery();
  // Writes the recovery copy now when the account has unsaved changes: for
  // a program about to end without asking.
  void WriteRecoveryNow();
  // The end of a clean close, saved or not: the recovery copy goes.
  void DiscardRecovery();
  // At start-up: asks about every copy a program which ended without closing
  // its accounts left, as opening an account asks about its own, and returns the
  // accounts the user chose to recover, to be shown.
  static std::vector<std::unique_ptr<CpursoPXFDoc>> RecoverLeftAccounts(IHost& host, CSafekeeping& keeping);

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
  // Takes the lock of the file at place, called name, into lock, asking
  // question (with %1 the name) when another program holds it; false when
  // the user says No.
  bool LockFile(CAccountLock& lock, const CFilePlace& place, const std::string& name, std::string_view question);
  // Offers to open the backup of the damaged account name at place instead:
  // none when the backup does not read either, taken when the user took it
  // and it was read into the book.
  enum class BackupOffer { kNone, kDeclined, kTaken };
  BackupOffer OfferBackup(const CFilePlace& place, const std::string& name);
  // Whether the file may be written over: asks when it changed on disk since
  // it was read or written, or is a link now.
  bool MayReplaceFile();
  // Adds a step to the history, saying so when older steps had to go.
  void AddStep(std::string_view name, CBookChange change);
  void Notify(std::string_view text);
  // What follows every command, Undo and Redo among them: changed when the
  // account is not as it was before the command.
  void AfterCommand(bool changed);
  // What follows a successful save: the undo steps, a kept version, the
  // recovery copies this save supersedes.
  void AfterSave(bool samePath);
  void KeepVersion();
  // Asks about one copy another program left; true when it was recovered.
  bool OfferRecovery(std::unique_ptr<CRecoveryFile> copy);
  // Asks about each copy of this account that a program which ended without
  // closing it left (newest first), unless it was offered in this run: Yes
  // makes the account the recovered one, modified; No asks whether to
  // delete the copy. A damaged copy is reported, never offered.
  void OfferRecoveryOfThisAccount();
  // Takes over a copy the user chose to recover: the account as it was,
  // modified and unsaved, at its file when it had one (whose lock it takes,
  // asking when another program holds it). False when the user would not
  // open an account another program holds.
  bool AdoptRecovery(std::unique_ptr<CRecoveryFile> copy, const RecoveryHeader& header,
                     std::unique_ptr<CAccountBook> recovered);
  // The copies of this account that programs which ended without closing it
  // left, newest first.
  std::vector<std::unique_ptr<CRecoveryFile>> OrphansOfThisAccount() const;
  // The account is no file's content any more: modified, with nothing to
  // undo, recalculated, and with a recovery copy due.
  void BecomeUnsaved();
  // Undo (back) or Redo (forward) one step.
  void TakeStep(bool forward);
  // Takes the lock of the account at path as opening it does.
  bool LockAccount(const std::string& path);

  IHost& host_;
  CAccountBook book_;
  std::string pathName_;
  // Where the file lies, resolved once when it was opened or saved as.
  CFilePlace place_;
  std::string title_;
  // Held while the account is open; replaced as a whole on Save As.
  std::unique_ptr<CAccountLock> lock_ = std::make_unique<CAccountLock>();
  // The file as this document last read or wrote it, to see another
  // program's change before overwriting it.
  FileStamp stamp_;
  // Whether the file with that stamp reads as an account: not so when the
  // backup was opened in its place.
  bool fileReads_ = false;
  bool recalculate_ = true;
  std::vector<IDocumentView*> views_;
  CUndoHistory history_;
  // Counts the commands under way (an import's reading among them, which
  // another thread does), so that no recovery copy is written in the middle
  // of one.
  int commandDepth_ = 0;
  class CCommandScope {
   public:
    explicit CCommandScope(int& depth) : depth_(depth) { ++depth_; }
    ~CCommandScope() { --depth_; }
    CCommandScope(const CCommandScope&) = delete;
    CCommandScope& operator=(const CCommandScope&) = delete;

   private:
    int& depth_;
  };
  CSafekeeping* keeping_ = nullptr;
  // The restored version's original, for the name Save As proposes.
  std::string restoredFrom_;
  std::string restoredDate_;
  std::unique_ptr<CRecoveryFile> recovery_;
  bool recoveryPending_ = false;
  std::optional<WallClock::time_point> lastRecovery_;
  bool recoveryFailed_ = false;
};

}  // namespace purso
