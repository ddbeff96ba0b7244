// The one home of the program's command and dialog ids.
//
// Menus, the toolbar, the accelerators, the account view's buttons, the
// document's routing table, the dialog resources and the tests all name a
// command or a dialog through these constants. An account command's id
// equals the id of the dialog it opens.
#pragma once

#include <array>

namespace purso {

namespace command_id {

// Account commands, carried by the open account's document.
inline constexpr int kObjects = 130;
inline constexpr int kFunctionalAreas = 132;
inline constexpr int kSettings = 141;
inline constexpr int kCategories = 142;
inline constexpr int kTransactions = 146;
inline constexpr int kOpeningBalance = 151;
inline constexpr int kSolver = 152;
inline constexpr int kBudgetWizard = 161;
inline constexpr int kChangeYear = 162;
inline constexpr int kBudgetReport = 174;
inline constexpr std::array kAccountCommands = {kObjects,    kFunctionalAreas, kSettings,     kCategories,
                                                kTransactions, kOpeningBalance, kSolver,      kBudgetWizard,
                                                kChangeYear, kBudgetReport};

// The frame's standard commands.
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kRecentFileFirst = 57616;  // the four recent files: 57616 to 57619
inline constexpr int kRecentFileCount = 4;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
inline constexpr int kWindowArrange = 57649;
inline constexpr int kWindowCascade = 57650;
inline constexpr int kWindowTile = 57651;
inline constexpr int kAppAbout = 57664;
inline constexpr int kAppExit = 57665;
inline constexpr int kHelpIndex = 57666;

// File commands on the active account that the frame carries, as each
// begins with a file dialog: reading a bank statement into the account and
// writing the current year out as CSV.
inline constexpr int kImportStatement = 171;
inline constexpr int kExportYear = 172;
// The cash flow chart out of the program: written as a picture (its size
// chosen in the Export Chart dialog), printed, or shown as it would print.
inline constexpr int kExportChart = 175;
inline constexpr int kPrintChart = 176;
inline constexpr int kPrintPreview = 177;

// File commands the frame carries as they concern more than the active
// account's book: a kept version opens as a new account window, and how
// many versions are kept is the user's choice for every account.
inline constexpr int kRestoreVersion = 190;
inline constexpr int kBackups = 191;

}  // namespace command_id

// Dialogs, by resource id. Those an account command opens share its id.
namespace dialog_id {
inline constexpr int kAbout = 100;
inline constexpr int kObjects = command_id::kObjects;
inline constexpr int kProblem = 131;
inline constexpr int kFunctionalAreas = command_id::kFunctionalAreas;
inline constexpr int kSettings = command_id::kSettings;
inline constexpr int kCategories = command_id::kCategories;
inline constexpr int kPredactions = 143;
inline constexpr int kRecurringPredactions = 144;
inline constexpr int kConfirmation = 145;
inline constexpr int kTransactions = command_id::kTransactions;
inline constexpr int kMatch = 147;
inline constexpr int kSaveChanges = 149;
inline constexpr int kOpeningBalance = command_id::kOpeningBalance;
inline constexpr int kSolver = command_id::kSolver;
inline constexpr int kBudgetWizard = command_id::kBudgetWizard;
inline constexpr int kChangeYear = command_id::kChangeYear;
inline constexpr int kImport = 170;
inline constexpr int kCsvColumns = 173;
inline constexpr int kBudgetReport = command_id::kBudgetReport;
inline constexpr int kExportChart = command_id::kExportChart;
inline constexpr int kRestoreVersion = command_id::kRestoreVersion;
inline constexpr int kBackups = command_id::kBackups;
}  // namespace dialog_id

}  // namespace purso
