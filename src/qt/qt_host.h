// CQtHost: the host of the real program, on Qt Widgets.
//
// Runs each dialog as a CQtDialog owned by the window it opens over (the
// running modal dialog, else the active window, else the main window), and
// gives that window the keyboard back when the dialog closes. Opens
// documents through the desktop's file associations and reports the
// program's own file from the running process.
#pragma once

#include <functional>

#include "platform/host.h"

class QWidget;

namespace purso {

class CQtDialog;

class CQtHost final : public IHost {
 public:
  int RunModal(CDialogLogic& dialog) override;
  void OpenDocument(const std::string& path, const std::string& folder) override;
  std::string ProgramPath() const override;

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

 private:
  DialogObserver observer_;
  QWidget* mainWindow_ = nullptr;
};

}  // namespace purso
