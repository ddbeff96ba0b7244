// CQtHost: the host of the real program, on Qt Widgets.
//
// Runs each dialog as a CQtDialog owned by the window it opens over (the
// running modal dialog, else the active window, else the main window), and
// gives that window the keyboard back when the dialog closes. Opens
// documents through the desktop's file associations and reports the
// program's own file from the running process. Given the per-user settings, it
// keeps the sizes the user gives the resizable dialogs there.
#pragma once

#include <functional>

#include "platform/host.h"
#include "platform/settings_store.h"

class QWidget;

namespace purso {

class CQtDialog;

class CQtHost final : public IHost {
 public:
  int RunModal(CDialogLogic& dialog) override;
  void OpenDocument(const std::string& path, const std::string& folder) override;
  std::string ProgramPath() const override;
  std::optional<std::string> AskSaveFileName(const SaveFileQuestion& question) override;
  bool PrintPage(const PrintRequest& request) override;

  // Called with every dialog once it is built and before it is shown;
  // tests use it to reach the widgets.
  using DialogObserver = std::function<void(CQtDialog&)>;
  void SetDialogObserver(DialogObserver observer) { observer_ = std::move(observer); }

  // The window that owns a dialog when no window is active (between one
  // dialog closing and the window manager activating the next); it must
  // outlive the host or be reset.
  void SetMainWindow(QWidget* window) { mainWindow_ = window; }

  // The window dialogs open over: the active modal dialog, else the active
  // window, else the main window.
  QWidget* DialogOwner() const;

  // Where the dialogs' sizes are kept; nullptr (the start) keeps none. Not owned.
  void SetSettingsStore(ISettingsStore* settings) { settings_ = settings; }

 private:
  DialogObserver observer_;
  QWidget* mainWindow_ = nullptr;
  ISettingsStore* settings_ = nullptr;
};

}  // namespace purso
