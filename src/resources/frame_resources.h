// The main window's resources: menus 128 (no account open) and 129 (an
// account open), the accelerator table, the toolbar, the status-bar prompts
// and tooltips, and the strings of the one document type.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "resources/command_ids.h"

namespace purso {

inline constexpr std::string_view kApplicationTitle = "Purso";
inline constexpr std::string_view kMainWindowTitle = "Tolva Account Organizer";
inline constexpr std::string_view kIdlePrompt = "For Help, press F1";
inline constexpr std::string_view kSaveChangesQuestion = "Save changes to %1?";
inline constexpr std::string_view kHelpIndexPage = "Index.htm";
// Edit > Undo and Redo, followed by the name of the step when there is one.
inline constexpr std::string_view kUndoCaption = "&Undo";
inline constexpr std::string_view kRedoCaption = "&Redo";

// The document type: window title, base name of new documents, name for the
// New list, file dialog filter, default extension, file type id and name.
inline constexpr std::string_view kDocumentTypeString =
    "\nPurso\nPurso\nPurso Files (*.pxf)\n.pxf\nPurso.Document\nPurso Document";
inline constexpr std::string_view kNewDocumentBaseName = "Purso";
inline constexpr std::string_view kFileFilter = "Purso Files (*.pxf)";
inline constexpr std::string_view kDefaultExtension = ".pxf";
inline constexpr std::string_view kFileTypeId = "Purso.Document";
inline constexpr std::string_view kFileTypeName = "Purso Document";

// The file dialogs of Import Statement and Export Year as CSV.
inline constexpr std::string_view kStatementFilter =
    "Bank Statements (*.ofx *.qfx *.qif *.csv *.OFX *.QFX *.QIF *.CSV);;OFX Files (*.ofx *.qfx *.OFX *.QFX);;"
    "QIF Files (*.qif *.QIF);;CSV Files (*.csv *.CSV)";
inline constexpr std::string_view kCsvFilter = "CSV Files (*.csv)";

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

// The status-bar prompt and the tooltip of a command, as "prompt\ntooltip";
// empty for a command without one.
std::string_view CommandPrompt(int command);
// The first part: the status-bar prompt.
std::string_view StatusPrompt(int command);
// The second part: the tooltip; empty when the text has none.
std::string_view Tooltip(int command);

}  // namespace purso
