#include "resources/frame_resources.h"

#include "resources/account_view_resource.h"

namespace purso {
namespace {

using namespace command_id;
constexpr MenuEntry Item(std::string_view text, int command) { return {MenuEntryKind::kCommand, text, command}; }
constexpr MenuEntry kSeparator{MenuEntryKind::kSeparator, "", 0};
constexpr MenuEntry kRecentFiles{MenuEntryKind::kRecentFiles, "Recent File", kRecentFileFirst};

constexpr MenuEntry kHelpEntries[] = {
    Item("&Help Index", kHelpIndex),
    kSeparator,
    Item("&About Tolva Account Organizer...", kAppAbout),
};

constexpr MenuEntry kNoAccountFileEntries[] = {
    Item("&New\tCtrl+N", kFileNew), Item("&Open...\tCtrl+O", kFileOpen), kSeparator, kRecentFiles, kSeparator,
    Item("E&xit", kAppExit),
};

constexpr MenuPopup kNoAccountPopups[] = {
    {"&File", kNoAccountFileEntries},
    {"&Help", kHelpEntries},
};

constexpr MenuEntry kAccountFileEntries[] = {
    Item("&New\tCtrl+N", kFileNew),
    Item("&Open...\tCtrl+O", kFileOpen),
    Item("&Close", kFileClose),
    Item("&Save\tCtrl+S", kFileSave),
    Item("Save &As...", kFileSaveAs),
    Item("Restore Earlier &Version...", kRestoreVersion),
    kSeparator,
    Item("&Import Statement...", kImportStatement),
    Item("&Export Year as CSV...", kExportYear),
    Item("Export C&hart...", kExportChart),
    kSeparator,
    Item("&Print...\tCtrl+P", kPrintChart),
    Item("Print P&review...", kPrintPreview),
    kSeparator,
    Item("Change &Year...", kChangeYear),
    Item("Se&ttings...", kSettings),
    Item("Bac&kups...", kBackups),
    kSeparator,
    kRecentFiles,
    kSeparator,
    Item("E&xit", kAppExit),
};

constexpr MenuEntry kEditEntries[] = {
    Item("&Undo\tCtrl+Z", kEditUndo),
    Item("&Redo\tCtrl+Shift+Z", kEditRedo),
};

constexpr MenuEntry kCategoriesEntries[] = {
    Item("&Objects...", kObjects),  Item("&Functional Areas...", kFunctionalAreas), kSeparator,
    Item("&Categories...", kCategories), kSeparator, Item("Budget &Wizard...", kBudgetWizard),
};

constexpr MenuEntry kOperationsEntries[] = {
    Item("Opening &Balance", kOpeningBalance),
    kSeparator,
    Item("&Transactions", kTransactions),
    Item("&Solver", kSolver),
    Item("Budget &Report", kBudgetReport),
};

constexpr MenuEntry kWindowEntries[] = {
    Item("&Cascade", kWindowCascade),
    Item("&Tile", kWindowTile),
    Item("&Arrange Icons", kWindowArrange),
};

constexpr MenuPopup kAccountPopups[] = {
    {"&File", kAccountFileEntries},      {"&Edit", kEditEntries},     {"&Categories", kCategoriesEntries},
    {"&Operations", kOperationsEntries}, {"&Window", kWindowEntries}, {"&Help", kHelpEntries},
};

constexpr Accelerator kAccelerators[] = {
    {key_modifier::kControl, 'N', kFileNew},
    {key_modifier::kControl, 'O', kFileOpen},
    {key_modifier::kControl, 'S', kFileSave},
    {key_modifier::kControl, 'P', kPrintChart},
    {key_modifier::kControl, 'Z', kEditUndo},
    {key_modifier::kControl | key_modifier::kShift, 'Z', kEditRedo},
    {key_modifier::kControl, 'Y', kEditRedo},
    {key_modifier::kControl, 'B', account_view::kBudgetToggle},
    {key_modifier::kControl, 'A', account_view::kActualToggle},
    {key_modifier::kNone, kFunctionKey + 1, account_view::kHelp},
    {key_modifier::kControl, kFunctionKey + 1, account_view::kFromMonth + 0},
    {key_modifier::kControl, kFunctionKey + 2, account_view::kFromMonth + 1},
    {key_modifier::kControl, kFunctionKey + 3, account_view::kFromMonth + 2},
    {key_modifier::kControl, kFunctionKey + 4, account_view::kFromMonth + 3},
    {key_modifier::kControl, kFunctionKey + 5, account_view::kFromMonth + 4},
    {key_modifier::kControl, kFunctionKey + 6, account_view::kFromMonth + 5},
    {key_modifier::kControl, kFunctionKey + 7, account_view::kFromMonth + 6},
    {key_modifier::kControl, kFunctionKey + 8, account_view::kFromMonth + 7},
    {key_modifier::kControl, kFunctionKey + 9, account_view::kFromMonth + 8},
    {key_modifier::kControl, kFunctionKey + 10, account_view::kFromMonth + 9},
    {key_modifier::kControl, kFunctionKey + 11, account_view::kFromMonth + 10},
    {key_modifier::kControl, kFunctionKey + 12, account_view::kFromMonth + 11},
    {key_modifier::kControl | key_modifier::kShift, kFunctionKey + 1, account_view::kToMonth + 0},
    {key_modifier::kControl | key_modifier::kShift, kFunctionKey + 2, account_view::kToMonth + 1},
    {key_modifier::kControl | key_modifier::kShift, kFunctionKey + 3, account_view::kToMonth + 2},
    {key_modifier::kControl | key_modifier::kShift, kFunctionKey + 4, account_view::kToMonth + 3},
    {key_modifier::kControl | key_modifier::kShift, kFunctionKey + 5, account_view::kToMonth + 4},
    {key_modifier::kControl | key_modifier::kShift, kFunctionKey + 6, account_view::kToMonth + 5},
    {key_modifier::kControl | key_modifier::kShift, kFunctionKey + 7, account_view::kToMonth + 6},
    {key_modifier::kControl | key_modifier::kShift, kFunctionKey + 8, account_view::kToMonth + 7},
    {key_modifier::kControl | key_modifier::kShift, kFunctionKey + 9, account_view::kToMonth + 8},
    {key_modifier::kControl | key_modifier::kShift, kFunctionKey + 10, account_view::kToMonth + 9},
    {key_modifier::kControl | key_modifier::kShift, kFunctionKey + 11, account_view::kToMonth + 10},
    {key_modifier::kControl | key_modifier::kShift, kFunctionKey + 12, account_view::kToMonth + 11},
};

constexpr int kToolbar[] = {
    kFileNew,        kFileOpen,     kFileSave, kImportStatement, 0,        kEditUndo,        kEditRedo,   0,
    kSettings,       kChangeYear,   0,         kBudgetWizard,    kObjects, kFunctionalAreas, kCategories, 0,
    kOpeningBalance, kTransactions, kSolver};

struct Prompt {
  int command;
  std::string_view text;
};

constexpr Prompt kPrompts[] = {
    {kFileNew, "Create a new account\nNew"},
    {kFileOpen, "Open an existing account\nOpen"},
    {kFileClose, "Close the active account\nClose"},
    {kFileSave, "Save the active account\nSave"},
    {kFileSaveAs, "Save the active account with a new name\nSave As"},
    {kImportStatement, "Import a bank statement into the active account\nImport Statement"},
    {kRestoreVersion, "Open an earlier version of the active account as a new account\nRestore Earlier Version"},
    {kBackups, "Choose how many earlier versions of the accounts are kept\nBackups"},
    {kEditUndo, "Undo the last action\nUndo"},
    {kEditRedo, "Redo the previously undone action\nRedo"},
    {kExportYear, "Export the current year's transactions and predactions as a CSV file\nExport Year as CSV"},
    {kExportChart, "Save the current year's cash flow chart as a picture (PNG, SVG or PDF)\nExport Chart"},
    {kPrintChart, "Print the cash flow chart and the key figures\nPrint"},
    {kPrintPreview, "Show the page that Print would print\nPrint Preview"},
    {kBudgetReport, "Show how the current year stands against its budget, category by category\nBudget Report"},
    {kObjects, "Objects\nObjects"},
    {kFunctionalAreas, "Functional Areas\nFunctional Areas"},
    {kSettings, "Settings\nSettings"},
    {kCategories, "Categories\nCategories"},
    {kTransactions, "Transactions\nTransactions"},
    {kOpeningBalance, "Opening balance...\nOpening balance..."},
    {kSolver, "Solver\nSolver"},
    {kBudgetWizard, "Budget Wizard\nBudget Wizard"},
    {kChangeYear, "Change Year\nChange Year"},
    {kAppExit, "Quit the application; prompts to save accounts\nExit"},
    {kHelpIndex, "Opens Help\nHelp Topics"},
    {kRecentFileFirst + 0, "Open this document"},
    {kRecentFileFirst + 1, "Open this document"},
    {kRecentFileFirst + 2, "Open this document"},
    {kRecentFileFirst + 3, "Open this document"},
};

}  // namespace

const MenuResource kNoAccountMenu{128, kNoAccountPopups};
const MenuResource kAccountMenu{129, kAccountPopups};

std::span<const Accelerator> AcceleratorTable() { return kAccelerators; }

std::span<const int> ToolbarCommands() { return kToolbar; }

std::string_view CommandPrompt(int command) {
  for (const Prompt& prompt : kPrompts) {
    if (prompt.command == command) return prompt.text;
  }
  return {};
}

std::string_view StatusPrompt(int command) {
  const std::string_view text = CommandPrompt(command);
  return text.substr(0, text.find('\n'));
}

std::string_view Tooltip(int command) {
  const std::string_view text = CommandPrompt(command);
  const auto newline = text.find('\n');
  return newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
}

}  // namespace purso
