#include "app/purso_document.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "app/file_name.h"
#include "data/account_file.h"
#include "data/translation.h"
#include "dialogs/budget_report_dialog.h"
#include "dialogs/budget_wizard_dialog.h"
#include "dialogs/categories_dialog.h"
#include "dialogs/change_year_dialog.h"
#include "dialogs/message_dialogs.h"
#include "dialogs/name_list_dialog.h"
#include "dialogs/opening_balance_dialog.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/solver_dialog.h"
#include "dialogs/transactions_dialog.h"
#include "resources/frame_resources.h"
#include "resources/translatable.h"

namespace purso {
namespace {

struct GuardText {
  CommandGuard guard;
  std::string_view problem;
  std::string_view suggestion;
};

constexpr GuardText kGuardTexts[] = {
    {CommandGuard::kHasObjects,
     PURSO_TEXT("Document", "You have not defined any objects.\nYou need some objects to define categories."),
     PURSO_TEXT("Document", "Select \"Categories|Objects...\" to define objects.")},
    {CommandGuard::kHasFunctionalAreas,
     PURSO_TEXT("Document",
                "You have not defined any functional areas.\nYou need some functional areas to define categories."),
     PURSO_TEXT("Document", "Select \"Categories|Functional Areas...\" to define functional areas.")},
    {CommandGuard::kHasCategories,
     PURSO_TEXT("Document", "You have not defined any categories.\nYou need some categories to create transactions."),
     PURSO_TEXT("Document", "Select \"Categories|Categories...\" to define categories.")},
};

// What a command does once its dialog has closed.
enum class AfterDialog {
  kFiguresStay,  // no balance can have changed
  kBookkeeping,  // recalculation flag set, views told
};

// One row of the routing table: the command, its guards in order, the
// dialog it runs, and what follows the dialog.
struct CommandRow {
  int id;
  std::string_view name;  // of its undo step, marked in the context "UndoStep"
  std::initializer_list<CommandGuard> guards;
  AfterDialog after;
  void (*run)(CpursoPXFDoc& document);
};

// Runs the dialog made from arguments over the document's host.
template <typename Dialog, typename... Arguments>
void Run(CpursoPXFDoc& document, Arguments&&... arguments) {
  Dialog dialog(std::forward<Arguments>(arguments)...);
  document.Host().RunModal(dialog);
}

// Commands join this table as their dialogs join the program.
const CommandRow kCommands[] = {
    {command_id::kObjects,
     PURSO_TEXT("UndoStep", "Objects"),
     {},
     AfterDialog::kFiguresStay,
     [](CpursoPXFDoc& document) { Run<CNameListDialog>(document, document.CurrentLedger(), MasterList::kObjects); }},
    {command_id::kFunctionalAreas,
     PURSO_TEXT("UndoStep", "Functional Areas"),
     {},
     AfterDialog::kFiguresStay,
     [](CpursoPXFDoc& document) {
       Run<CNameListDialog>(document, document.CurrentLedger(), MasterList::kFunctionalAreas);
     }},
    {command_id::kCategories,
     PURSO_TEXT("UndoStep", "Categories"),
     {CommandGuard::kHasObjects, CommandGuard::kHasFunctionalAreas},
     AfterDialog::kBookkeeping,
     [](CpursoPXFDoc& document) { Run<CCategoriesDialog>(document, document.Book()); }},
    {command_id::kSettings,
     PURSO_TEXT("UndoStep", "Settings"),
     {},
     AfterDialog::kBookkeeping,
     [](CpursoPXFDoc& document) {
       CAccountBook& book = document.Book();
       const CDisplaySettings before = book.Settings();
       Run<CSettingsDialog>(document, book.Settings());
       if (!book.Settings().SameSettings(before)) book.SetModified();
     }},
    {command_id::kTransactions,
     PURSO_TEXT("UndoStep", "Transactions"),
     {CommandGuard::kHasCategories},
     AfterDialog::kBookkeeping,
     [](CpursoPXFDoc& document) { Run<CTransactionsDialog>(document, document.Book()); }},
    {command_id::kOpeningBalance,
     PURSO_TEXT("UndoStep", "Opening Balance"),
     {},
     AfterDialog::kBookkeeping,
     [](CpursoPXFDoc& document) { EditOpeningBalance(document.Host(), document.Book()); }},
    {command_id::kSolver,
     PURSO_TEXT("UndoStep", "Solver"),
     {},
     AfterDialog::kBookkeeping,
     [](CpursoPXFDoc& document) { Run<CSolverDialog>(document, document.Book()); }},
    {command_id::kBudgetWizard,
     PURSO_TEXT("UndoStep", "Budget Wizard"),
     {},
     AfterDialog::kBookkeeping,
     [](CpursoPXFDoc& document) { Run<CBudgetWizardDialog>(document, document.Book()); }},
    {command_id::kChangeYear,
     PURSO_TEXT("UndoStep", "Change Year"),
     {},
     AfterDialog::kBookkeeping,
     [](CpursoPXFDoc& document) { Run<CChangeYearDialog>(document, document.Book()); }},
    {command_id::kBudgetReport,
     PURSO_TEXT("UndoStep", "Budget Report"),
     {},
     AfterDialog::kFiguresStay,
     [](CpursoPXFDoc& document) {
       // The report's files are proposed beside the account.
       const std::string& path = document.PathName();
       Run<CBudgetReportDialog>(document, document.Book(), StemOf(document.Title()),
                                path.substr(0, path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/')));
     }},
};

// "&Undo Transactions", or "&Undo" when there is no step.
std::string JoinCaption(std::string_view caption, std::string_view stepCaption, std::string_view name) {
  return name.empty() ? Translate("Menu", caption) : Filled(Translate("Menu", stepCaption), {name});
}

const CommandRow* FindCommand(int commandId) {
  for (const CommandRow& command : kCommands) {
    if (command.id == commandId) return &command;
  }
  return nullptr;
}

}  // namespace

CpursoPXFDoc::CpursoPXFDoc(IHost& host) : host_(host) {}

bool CpursoPXFDoc::IsCommandAvailable(int commandId) const {
  const std::optional<CommandState> state = QueryCommand(commandId);
  return state && state->enabled;
}

std::optional<CommandState> CpursoPXFDoc::QueryCommand(int commandId) const {
  switch (commandId) {
    case command_id::kEditUndo:
      return CommandState{history_.CanUndo(), JoinCaption(kUndoCaption, kUndoStepCaption, history_.UndoName())};
    case command_id::kEditRedo:
      return CommandState{history_.CanRedo(), JoinCaption(kRedoCaption, kRedoStepCaption, history_.RedoName())};
    default:
      if (FindCommand(commandId) == nullptr) return std::nullopt;
      return CommandState{true, {}};
  }
}

bool CpursoPXFDoc::OnCommand(int commandId) {
  switch (commandId) {
    case command_id::kEditUndo:
      Undo();
      return true;
    case command_id::kEditRedo:
      Redo();
      return true;
    default:
      break;
  }
  const CommandRow* command = FindCommand(commandId);
  if (command == nullptr) return false;
  for (CommandGuard guard : command->guards) {
    if (!CheckGuard(guard)) return true;
  }
  RunCommand(Translate("UndoStep", command->name), [this, command] { command->run(*this); });
  if (command->after == AfterDialog::kBookkeeping) Bookkeeping();
  return true;
}

bool CpursoPXFDoc::CheckGuard(CommandGuard guard) {
  CYearLedger& ledger = CurrentLedger();
  bool holds = false;
  switch (guard) {
    case CommandGuard::kHasObjects:
      holds = ledger.Objects().GetRowCount() > 0;
      break;
    case CommandGuard::kHasFunctionalAreas:
      holds = ledger.FunctionalAreas().GetRowCount() > 0;
      break;
    case CommandGuard::kHasCategories:
      holds = ledger.Categories().GetRowCount() > 0;
      break;
  }
  if (holds) return true;
  for (const GuardText& text : kGuardTexts) {
    if (text.guard == guard)
      ShowProblem(host_, Translate("Document", text.problem), Translate("Document", text.suggestion));
  }
  return false;
}

void CpursoPXFDoc::Bookkeeping() {
  recalculate_ = true;
  UpdateAllViews();
}

void CpursoPXFDoc::AddView(IDocumentView& view) { views_.push_back(&view); }

void CpursoPXFDoc::RemoveView(IDocumentView& view) { std::erase(views_, &view); }

void CpursoPXFDoc::UpdateAllViews() {
  // A view may unregister while it is told; walk a copy.
  const std::vector<IDocumentView*> views = views_;
  for (IDocumentView* view : views) view->OnDocumentChanged();
}

}  // namespace purso
