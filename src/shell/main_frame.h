// CpursoMainFrame: the program's main window.
//
// A multiple-document window: a menu bar that shows menu 128 while no
// account is open and menu 129 while one is, the toolbar, the status bar
// with its message pane and lock-key indicators, and one maximized child
// window per open account. The frame carries the file and window commands;
// account commands go to the active account's document and the view's keys
// to its view.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QStringList>

#include <optional>

#include "app/safekeeping.h"
#include "shell/child_frame.h"
#include "resources/frame_resources.h"

class QAction;
class QLabel;
class QMenu;
class QMdiArea;

namespace purso {

class CQtHost;
class ISettingsStore;
class CRecentFileList;
class CLockKeys;

class CpursoMainFrame final : public QMainWindow, public IDocumentSaver {
  Q_OBJECT

 public:
  // host, recentFiles and settings must outlive the window.
  CpursoMainFrame(CQtHost& host, CRecentFileList& recentFiles, ISettingsStore& settings);
  ~CpursoMainFrame() override;

  // File New: a new, empty account window ("Purso1", "Purso2", ...).
  void NewDocument();
  // Opens an account file, or brings its window forward when it is open
  // already; false when it could not be read (the reason was shown).
  bool OpenDocument(const QString& path);

  // Carries out a command of the menus, toolbar or keys.
  void OnCommand(int command);
  bool IsCommandEnabled(int command) const;

  CpursoChildFrame* ActiveChild() const;
  QList<CpursoChildFrame*> Children() const;
  QMdiArea& MdiArea() const { return *mdi_; }
  // The action of a command; nullptr for a command without one.
  QAction* Action(int command) const { return actions_.value(command); }

  // At start-up: asks about the accounts a program that ended without
  // closing them left unsaved changes of, and shows those recovered.
  void RecoverLeftAccounts();

  bool Save(CpursoPXFDoc& document) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateActions();
  // Makes the menus of both menu bars, once.
  void BuildMenus();
  // Shows menu 129 while an account is open, menu 128 otherwise.
  void ShowMenuBar();
  // The Window menu's list of the open account windows, made anew when it
  // opens and dropped whenever the windows change.
  void ListWindows();
  void ClearWindowList();
  void BuildToolBar();
  void BuildStatusBar();
  void UpdateFrame();
  void UpdateCommandStates();
  // Whether a command the frame carries itself can be chosen; none for the
  // commands of the active account's view and document.
  std::optional<bool> IsFrameCommandEnabled(int command) const;
  void UpdateRecentFiles();
  void UpdateIndicators();
  bool SaveAs(CpursoPXFDoc& document);
  // File > Import Statement... and File > Export Year as CSV...: the file
  // dialog, then the document's work.
  void ImportStatement(CpursoPXFDoc& document);
  void ExportYear(CpursoPXFDoc& document);
  // The path an export proposes for a file name: beside the account when
  // it has a file (UTF-8).
  static std::string BesideAccount(const CpursoPXFDoc& document, const QString& name);
  // File > Export Chart..., Print... and Print Preview...: the active
  // account's chart and key figures as a picture or on paper.
  enum class PrintKind { kPrint, kPreview };
  void ExportChart(CpursoChildFrame& child);
  void PrintChart(CpursoChildFrame& child, PrintKind kind);
  // File > Restore Earlier Version... and File > Backups...
  void RestoreVersion(CpursoPXFDoc& document);
  void EditBackups();
  // A new document that keeps its versions and recovery copies.
  std::unique_ptr<CpursoPXFDoc> MakeDocument();
  void OpenRecentFile(int index);
  void CloseActive();
  void ArrangeIcons();
  CpursoChildFrame* FindChild(const QString& path) const;
  void AddChild(std::unique_ptr<CpursoPXFDoc> document);

  CQtHost& host_;
  CRecentFileList& recentFiles_;
  ISettingsStore& settings_;
  // Given to every document; a document reaches it only from commands and
  // timers, never from its destructor, so the account windows, which go with
  // the QWidget part of this window, may outlive it.
  CSafekeeping safekeeping_;
  QMdiArea* mdi_;
  QHash<int, QAction*> actions_;
  QAction* noRecentFile_ = nullptr;
  QList<QMenu*> noAccountMenus_;
  QList<QMenu*> accountMenus_;
  QMenu* windowMenu_ = nullptr;
  QAction* windowSeparator_ = nullptr;
  QList<QAction*> windowActions_;
  bool showingAccountMenu_ = false;
  bool menuShown_ = false;
  int newDocumentCount_ = 0;
  CLockKeys* lockKeys_;
  QLabel* indicators_[3] = {nullptr, nullptr, nullptr};
};

enum class TitleForm { kNormal, kMaximized };

// The main window's title for the active account ("" when none).
QString MainWindowTitle(const QString& accountName, TitleForm form = TitleForm::kNormal);

}  // namespace purso
