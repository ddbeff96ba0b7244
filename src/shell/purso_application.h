// CpursoApp: the program's start-up and its lifetime objects.
//
// Start-up, in order: the per-user settings under "Tolva Computing" /
// "Purso", the recent-file list, the main window, the acceptance of files
// handed over by later starts of the program, then the command line: a file
// argument opens that account, no argument opens one new account. The main
// window is then shown maximized.
//
// SIGTERM, SIGHUP and SIGINT (termination_signals.h) end the program as a
// close request that asks nothing: EndOnRequest decides what is kept of
// unsaved work, the event loops end, and the windows go with the
// application object, releasing every account's lock.
#pragma once

#include <QStringList>

#include <memory>

namespace purso {

class CpursoMainFrame;
class CQtHost;
class CQtSettingsStore;
class CRecentFileList;
class CInstanceChannel;
class CTerminationSignals;

class CpursoApp {
 public:
  CpursoApp();
  ~CpursoApp();

  enum class StartResult {
    kRunning,     // the main window is up
    kHandedOver,  // a running program took the files; end quietly
    kFailed,      // the command line could not be carried out; end with failure
  };

  // arguments are those after the program's name.
  StartResult Start(const QStringList& arguments);
  // Runs the program until its last window closes or it is asked to end;
  // its exit status.
  int Exec();

  CpursoMainFrame& MainFrame() { return *mainFrame_; }
  CQtHost& Host() { return *host_; }

 private:
  std::unique_ptr<CQtSettingsStore> settings_;
  std::unique_ptr<CRecentFileList> recentFiles_;
  std::unique_ptr<CQtHost> host_;
  std::unique_ptr<CpursoMainFrame> mainFrame_;
  std::unique_ptr<CInstanceChannel> channel_;
  std::unique_ptr<CTerminationSignals> signals_;
  bool ending_ = false;

  // The one place where the program, told to end, keeps what it keeps of
  // each open account's unsaved changes, without a question: a recovery
  // copy, which the next start offers back; the files stay as they were
  // last saved.
  void EndOnRequest(int signal);
};

}  // namespace purso
