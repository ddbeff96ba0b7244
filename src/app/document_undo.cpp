// CpursoPXFDoc: every change as one step, and the Edit commands that take
// the steps back and forward.
#include <initializer_list>
#include <memory>
#include <new>
#include <string>
#include <utility>

#include "app/document_text.h"
#include "app/purso_document.h"
#include "data/book_change.h"
#include "data/translation.h"
#include "dialogs/message_dialogs.h"
#include "resources/translatable.h"

namespace purso {
namespace {

// The texts of the status bar, with %1 for a number or a name.
constexpr std::string_view kOneStepDropped =
    PURSO_TEXT("Document", "The oldest undo step was dropped to keep undo within 64 MiB.");
constexpr std::string_view kStepsDropped =
    PURSO_TEXT("Document", "The %1 oldest undo steps were dropped to keep undo within 64 MiB.");
constexpr std::string_view kStepNotKept =
    PURSO_TEXT("Document", "%1 changed too much to be undone; the changes before it can no longer be undone either.");

}  // namespace

void CpursoPXFDoc::RunCommand(std::string_view name, const std::function<void()>& command) {
  // The book as it was: its tables share their rows with the book's own
  // until the command writes one, so this costs the tables, not the rows.
  auto before = std::make_unique<CAccountBook>(book_);
  {
    CCommandScope scope(commandDepth_);
    command();
  }
  CBookChange change = CBookChange::Between(*before, book_);
  before.reset();
  const bool changed = !change.IsEmpty();
  if (changed) AddStep(name, std::move(change));
  AfterCommand(changed);
}

void CpursoPXFDoc::AddStep(std::string_view name, CBookChange change) {
  const CUndoHistory::Added added = history_.Add(std::string(name), std::move(change));
  if (!added.kept) {
    Notify(DocumentText(kStepNotKept, name));
  } else if (added.dropped == 1) {
    Notify(DocumentText(kOneStepDropped));
  } else if (added.dropped > 1) {
    Notify(DocumentText(kStepsDropped, std::to_string(added.dropped)));
  }
}

void CpursoPXFDoc::Undo() { TakeStep(false); }

void CpursoPXFDoc::Redo() { TakeStep(true); }

void CpursoPXFDoc::TakeStep(bool forward) {
  if (!(forward ? history_.CanRedo() : history_.CanUndo())) return;
  try {
    forward ? history_.Redo(book_) : history_.Undo(book_);
  } catch (const std::bad_alloc&) {
    ShowOutOfMemory(host_);
    return;
  }
  Bookkeeping();
  AfterCommand(true);
}

void CpursoPXFDoc::Notify(std::string_view text) {
  const std::vector<IDocumentView*> views = views_;
  for (IDocumentView* view : views) view->OnDocumentNotice(text);
}

}  // namespace purso
