#include "resources/frame_resources.h"

#include "resources/account_view_resource.h"
#include "resources/translatable.h"

namespace purso {
namespace {

using namespace command_id;
constexpr MenuEntry Item(std::string_view text, int command) { return {MenuEntryKind::kCommand, text, command}; }
constexpr MenuEntry kSeparator{MenuEntryKind::kSeparator, "", 0};
constexpr MenuEntry kRecentFiles{MenuEntryKind::kRecentFiles, kRecentFileCaption, kRecentFileFirst};

constexpr MenuEntry kHelpEntries[] = {
    Item(PURSO_TEXT("Menu", "&Help Index"), kHelpIndex),
    kSeparator,
    Item(PURSO_TEXT("Menu", "&About Tolva Account Organizer..."), kAppAbout),
};

constexpr MenuEntry kNoAccountFileEntries[] = {
    Item(PURSO_TEXT("Menu", "&New\tCtrl+N"), kFileNew),
    Item(PURSO_TEXT("Menu", "&Open...\tCtrl+O"), kFileOpen),
    kSeparator,
    kRecentFiles,
    kSeparator,
    Item(PURSO_TEXT("Menu", "E&xit"), kAppExit),
};

constexpr MenuPopup kNoAccountPopups[] = {
    {PURSO_TEXT("Menu", "&File"), kNoAccountFileEntries},
    {PURSO_TEXT("Menu", "&Help"), kHelpEntries},
};

constexpr MenuEntry kAccountFileEntries[] = {
    Item(PURSO_TEXT("Menu", "&New\tCtrl+N"), kFileNew),
    Item(PURSO_TEXT("Menu", "&Open...\tCtrl+O"), kFileOpen),
    Item(PURSO_TEXT("Menu", "&Close"), kFileClose),
    Item(PURSO_TEXT("Menu", "&Save\tCtrl+S"), kFileSave),
    Item(PURSO_TEXT("Menu", "Save &As..."), kFileSaveAs),
    Item(PURSO_TEXT("Menu", "Restore Earlier &Version..."), kRestoreVersion),
    kSeparator,
    Item(PURSO_TEXT("Menu", "&Import Statement..."), kImportStatement),
    Item(PURSO_TEXT("Menu", "&Export Year as CSV..."), kExportYear),
    Item(PURSO_TEXT("Menu", "Export C&hart..."), kExportChart),
    kSeparator,
    Item(PURSO_TEXT("Menu", "&Print...\tCtrl+P"), kPrintChart),
    Item(PURSO_TEXT("Menu", "Print P&review..."), kPrintPreview),
    kSeparator,
    Item(PURSO_TEXT("Menu", "Change &Year..."), kChangeYear),
    Item(PURSO_TEXT("Menu", "Se&ttings..."), kSettings),
    Item(PURSO_TEXT("Menu", "Bac&kups..."), kBackups),
    kSeparator,
    kRecentFiles,
    kSeparator,
    Item(PURSO_TEXT("Menu", "E&xit"), kAppExit),
};

constexpr MenuEntry kEditEntries[] = {
    Item(PURSO_TEXT("Menu", "&Undo\tCtrl+Z"), kEditUndo),
    Item(PURSO_TEXT("Menu", "&Redo\tCtrl+Shift+Z"), kEditRedo),
};

constexpr MenuEntry kCategoriesEntries[] = {
    Item(PURSO_TEXT("Menu", "&Objects..."), kObjects),
    Item(PURSO_TEXT("Menu", "&Functional Areas..."), kFunctionalAreas),
    kSeparator,
    Item(PURSO_TEXT("Menu", "&Categories..."), kCategories),
    kSeparator,
    Item(PURSO_TEXT("Menu", "Budget &Wizard..."), kBudgetWizard),
};

constexpr MenuEntry kOperationsEntries[] = {
    Item(PURSO_TEXT("Menu", "Opening &Balance"), kOpeningBalance), kSeparator,
    Item(PURSO_TEXT("Menu", "&Transactions"), kTransactions),      Item(PURSO_TEXT("Menu", "&Solver"), kSolver),
    Item(PURSO_TEXT("Menu", "Budget &Report"), kBudgetReport),
};

constexpr MenuEntry kWindowEntries[] = {
    Item(PURSO_TEXT("Menu", "&Cascade"), kWindowCascade),
    Item(PURSO_TEXT("Menu", "&Tile"), kWindowTile),
    Item(PURSO_TEXT("Menu", "&Arrange Icons"), kWindowArrange),
};

constexpr MenuPopup kAccountPopups[] = {
    {PURSO_TEXT("Menu", "&File"), kAccountFileEntries},      {PURSO_TEXT("Menu", "&Edit"), kEditEntries},
    {PURSO_TEXT("Menu", "&Categories"), kCategoriesEntries}, {PURSO_TEXT("Menu", "&Operations"), kOperationsEntries},
    {PURSO_TEXT("Menu", "&Window"), kWindowEntries},         {PURSO_TEXT("Menu", "&Help"), kHelpEntries},
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
    {kFileNew, PURSO_TEXT("Prompt", "Create a new account\nNew")},
    {kFileOpen, PURSO_TEXT("Prompt", "Open an existing account\nOpen")},
    {kFileClose, PURSO_TEXT("Prompt", "Close the active account\nClose")},
    {kFileSave, PURSO_TEXT("Prompt", "Save the active account\nSave")},
    {kFileSaveAs, PURSO_TEXT("Prompt", "Save the active account with a new name\nSave As")},
    {kImportStatement, PURSO_TEXT("Prompt", "Import a bank statement into the active account\nImport Statement")},
    {kRestoreVersion,
     PURSO_TEXT("Prompt", "Open an earlier version of the active account as a new account\nRestore Earlier Version")},
    {kBackups, PURSO_TEXT("Prompt", "Choose how many earlier versions of the accounts are kept\nBackups")},
    {kEditUndo, PURSO_TEXT("Prompt", "Undo the last action\nUndo")},
    {kEditRedo, PURSO_TEXT("Prompt", "Redo the previously undone action\nRedo")},
    {kExportYear,
     PURSO_TEXT("Prompt", "Export the current year's transactions and predactions as a CSV file\nExport Year as CSV")},
    {kExportChart,
     PURSO_TEXT("Prompt", "Save the current year's cash flow chart as a picture (PNG, SVG or PDF)\nExport Chart")},
    {kPrintChart, PURSO_TEXT("Prompt", "Print the cash flow chart and the key figures\nPrint")},
    {kPrintPreview, PURSO_TEXT("Prompt", "Show the page that Print would print\nPrint Preview")},
    {kBudgetReport,
     PURSO_TEXT("Prompt", "Show how the current year stands against its budget, category by category\nBudget Report")},
    {kObjects, PURSO_TEXT("Prompt", "Objects\nObjects")},
    {kFunctionalAreas, PURSO_TEXT("Prompt", "Functional Areas\nFunctional Areas")},
    {kSettings, PURSO_TEXT("Prompt", "Settings\nSettings")},
    {kCategories, PURSO_TEXT("Prompt", "Categories\nCategories")},
    {kTransactions, PURSO_TEXT("Prompt", "Transactions\nTransactions")},
    {kOpeningBalance, PURSO_TEXT("Prompt", "Opening balance...\nOpening balance...")},
    {kSolver, PURSO_TEXT("Prompt", "Solver\nSolver")},
    {kBudgetWizard, PURSO_TEXT("Prompt", "Budget Wizard\nBudget Wizard")},
    {kChangeYear, PURSO_TEXT("Prompt", "Change Year\nChange Year")},
    {kAppExit, PURSO_TEXT("Prompt", "Quit the application; prompts to save accounts\nExit")},
    {kHelpIndex, PURSO_TEXT("Prompt", "Opens Help\nHelp Topics")},
    {kRecentFileFirst + 0, PURSO_TEXT("Prompt", "Open this document")},
    {kRecentFileFirst + 1, PURSO_TEXT("Prompt", "Open this document")},
    {kRecentFileFirst + 2, PURSO_TEXT("Prompt", "Open this document")},
    {kRecentFileFirst + 3, PURSO_TEXT("Prompt", "Open this document")},
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

}  // namespace purso
