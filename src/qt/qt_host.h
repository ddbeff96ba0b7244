// CQtHost: the host of the real program, on Qt Widgets.
//
// Runs each dialog as a CQtDialog over the active window, opens documents
// through the desktop's file associations and reports the program's own
// file from the running process.
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

 private:
  DialogObserver observer_;
};

// The window dialogs open over: the active modal dialog, else the active window.
QWidget* DialogOwner();

}  // namespace purso
