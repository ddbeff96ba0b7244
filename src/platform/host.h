// IHost: what the program asks of the window system beyond drawing.
//
// The host runs dialogs modally and reaches the desktop: it opens a document
// with the program the desktop associates with it, and tells where the
// running program's file is. The Qt adapter is the real host; tests use a
// scripted one.
#pragma once

#include <string>

namespace purso {

class CDialogLogic;

class IHost {
 public:
  virtual ~IHost() = default;

  // Shows the dialog modally over the active window and returns its result
  // once it has ended. The dialog may run further dialogs through this host.
  virtual int RunModal(CDialogLogic& dialog) = 0;

  // Opens the file at path with its associated program, working in folder.
  // Whether that worked is not reported.
  virtual void OpenDocument(const std::string& path, const std::string& folder) = 0;

  // The full path of the running program's file.
  virtual std::string ProgramPath() const = 0;
};

}  // namespace purso
