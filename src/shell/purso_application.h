// CpursoApp: the program's start-up and its lifetime objects.
//
// Start-up, in order: the per-user settings under "Tolva Computing" /
// "Purso", the recent-file list, the main window, the acceptance of files
// handed over by later starts of the program, then the command line: a file
// argument opens that account, no argument opens one new account. The main
// window is then shown maximized.
#pragma once

#include <QStringList>

#include <memory>

namespace purso {

class CpursoMainFrame;
class CQtHost;
class CQtSettingsStore;
class CRecentFileList;
class CInstanceChannel;

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

  CpursoMainFrame& MainFrame() { return *mainFrame_; }
  CQtHost& Host() { return *host_; }

 private:
  std::unique_ptr<CQtSettingsStore> settings_;
  std::unique_ptr<CRecentFileList> recentFiles_;
  std::unique_ptr<CQtHost> host_;
  std::unique_ptr<CpursoMainFrame> mainFrame_;
  std::unique_ptr<CInstanceChannel> channel_;
};

}  // namespace purso
