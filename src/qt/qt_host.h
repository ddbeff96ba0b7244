// CQtHost: the host of the real program, on Qt Widgets.
//
// Runs each dialog as a CQtDialog over the active window, opens documents
// through the desktop's file associations and reports the program's own
// file from the running process. Given the per-user settings, it keeps the
// sizes the user gives the resizable dialogs there.
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

  // Where the dialogs' sizes are kept; nullptr (the start) keeps none. Not owned.
  void SetSettingsStore(ISettingsStore* settings) { settings_ = settings; }

 private:
  DialogObserver observer_;
  ISettingsStore* settings_ = nullptr;
};

// The window dialogs open over: the active modal dialog, else the active window.
QWidget* DialogOwner();

}  // namespace purso
