// The main window's resources: menus 128 (no account open) and 129 (an
// account open), the accelerator table, the toolbar, the status-bar prompts
// and tooltips, and the strings of the one document type. Shown texts are
// marked for translation: menu captions in the context "Menu", prompts in
// "Prompt", file dialog filters in "FileDialogs".
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "resources/command_ids.h"
#include "resources/translatable.h"

namespace purso {

// The title of the program's message boxes.
inline constexpr std::string_view kApplicationTitle = PURSO_TEXT("MessageDialogs", "Purso");
inline constexpr std::string_view kMainWindowTitle = "Tolva Account Organizer";
inline constexpr std::string_view kIdlePrompt = PURSO_TEXT("Prompt", "For Help, press F1");
inline constexpr std::string_view kSaveChangesQuestion = PURSO_TEXT("MessageDialogs", "Save changes to %1?");
inline constexpr std::string_view kHelpIndexPage = "Index.htm";
// Edit > Undo and Redo, and with the name of the step when there is one.
inline constexpr std::string_view kUndoCaption = PURSO_TEXT("Menu", "&Undo");
inline constexpr std::string_view kRedoCaption = PURSO_TEXT("Menu", "&Redo");
inline constexpr std::string_view kUndoStepCaption = PURSO_TEXT("Menu", "&Undo %1");
inline constexpr std::string_view kRedoStepCaption = PURSO_TEXT("Menu", "&Redo %1");

// The document type: window title, base name of new documents, name for the
// New list, file dialog filter, default extension, file type id and name.
inline constexpr std::string_view kDocumentTypeString =
    "\nPurso\nPurso\nPurso Files (*.pxf)\n.pxf\nPurso.Document\nPurso Document";
inline constexpr std::string_view kNewDocumentBaseName = "Purso";
inline constexpr std::string_view kFileFilter = PURSO_TEXT("FileDialogs", "Purso Files (*.pxf)");
inline constexpr std::string_view kDefaultExtension = ".pxf";
inline constexpr std::string_view kFileTypeId = "Purso.Document";
inline constexpr std::string_view kFileTypeName = "Purso Document";

// The file dialogs of Import Statement and Export Year as CSV.
inline constexpr std::string_view kStatementFilter = PURSO_TEXT(
    "FileDialogs",
    "Bank Statements (*.ofx *.qfx *.qif *.csv *.OFX *.QFX *.QIF *.CSV);;OFX Files (*.ofx *.qfx *.OFX *.QFX);;"
    "QIF Files (*.qif *.QIF);;CSV Files (*.csv *.CSV)");
inline constexpr std::string_view kCsvFilter = PURSO_TEXT("FileDialogs", "CSV Files (*.csv)");

// What the menu shows where the recent files stand while there are none.
inline constexpr std::string_view kRecentFileCaption = PURSO_TEXT("Menu", "Recent File");

enum class MenuEntryKind : std::uint8_t {
  kCommand,
  kSeparator,
  kRecentFiles,  // where the recent files stand; "Recent File" while there are none
};

struct MenuEntry {
  MenuEntryKind kind = MenuEntryKind::kCommand;
  std::string_view text;  // "&New\tCtrl+N": the caption, a tab, the key shown
  int command = 0;
};

struct MenuPopup {
  std::string_view title;
  std::span<const MenuEntry> entries;
};

struct MenuResource {
  int id = 0;
  std::span<const MenuPopup> popups;
};

extern const MenuResource kNoAccountMenu;  // 128
extern const MenuResource kAccountMenu;    // 129

// Keys of the accelerator table.
namespace key_modifier {
inline constexpr std::uint8_t kNone = 0;
inline constexpr std::uint8_t kControl = 1;
inline constexpr std::uint8_t kShift = 2;
}  // namespace key_modifier

struct Accelerator {
  std::uint8_t modifiers = key_modifier::kNone;
  // A letter 'A'..'Z', or a function key as kFunctionKey + n for Fn.
  int key = 0;
  int command = 0;
};
inline constexpr int kFunctionKey = 0x1000;

std::span<const Accelerator> AcceleratorTable();

// Toolbar buttons in order; command 0 stands for a separator.
std::span<const int> ToolbarCommands();

// The status-bar prompt and the tooltip of a command, as "prompt\ntooltip"
// (translated whole, then split); empty for a command without one.
std::string_view CommandPrompt(int command);

}  // namespace purso
