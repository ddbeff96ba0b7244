// IHost: what the program asks of the window system beyond drawing.
//
// The host runs dialogs modally and reaches the desktop: it opens a document
// with the program the desktop associates with it, tells where the running
// program's file is, asks the user for a file to write with the desktop's
// file dialog, and prints a page through the desktop's print dialog. The Qt
// adapter is the real host; tests use a scripted one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace purso {

class CDialogLogic;

// The question of a file to write: the file dialog's title, its file type
// ("HTML Files (*.html)"), the extension added to a name typed without one
// ("html"), and the name proposed (UTF-8).
struct SaveFileQuestion {
  std::string_view title;
  std::string_view filter;
  std::string_view extension;
  std::string proposedName;
};

enum class PageOrientation : std::uint8_t { kPortrait, kLandscape };

// A page to print: HTML in UTF-8, the name the print job carries (UTF-8),
// and how the paper is turned.
struct PrintRequest {
  std::string_view html;
  std::string_view documentName;
  PageOrientation orientation = PageOrientation::kPortrait;
};

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

  // The path (UTF-8) of the file the user chose to write, asking before a
  // file that exists is replaced; none when the user cancelled.
  virtual std::optional<std::string> AskSaveFileName(const SaveFileQuestion& question) = 0;

  // Prints the page after the user chose a printer; false when the user
  // cancelled or the page could not be printed.
  virtual bool PrintPage(const PrintRequest& request) = 0;
};

}  // namespace purso
