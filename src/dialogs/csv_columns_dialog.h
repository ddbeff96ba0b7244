// CCsvColumnsDialog: the Statement Columns dialog (173), how a CSV statement
// is to be read before it is imported.
//
// It opens with the columns remembered for the file's layout
// (csv_mapping_memory.h), else with the guess (statement/csv_column_guess.h:
// where the table begins, the columns whose names or values say what they
// hold, the date order and decimal symbol that read the file's first lines,
// the account's own preferred). The lists name the columns by the header
// row's names, or by number and the first line's values. OK reads the
// whole statement with the choices made from the text already read, away
// from the window's thread (platform/task_progress.h): a statement that
// cannot be read is refused with the reader's problem, which names the file
// and the line, the focus on the choice most likely at fault; a reading the
// user cancels leaves the dialog open; a statement that was read is kept for
// the caller, and the choices are remembered for the next file of that
// layout.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dialogs/editing_dialog.h"
#include "platform/settings_store.h"
#include "platform/task_progress.h"
#include "statement/csv_column_guess.h"
#include "statement/csv_text.h"
#include "statement/statement_file.h"

namespace purso {

class CCsvColumnsDialog final : public CEditingDialog {
 public:
  // path names the statement in the dialog and its messages; text is the
  // file's, first its first records (at least one), split as guess says.
  // text, first, store and runner must outlive the dialog.
  CCsvColumnsDialog(ISettingsStore& store, IBackgroundRunner& runner, std::string path, std::string_view text,
                    const std::vector<CsvRecord>& first, const CsvMapping& guess);

  void OnInit() override;
  void OnCommand(int controlId) override;

  // After OK: the statement, read with the columns chosen.
  Statement& ReadStatement() { return statement_; }

 private:
  void OnOk();
  // The column lists' items for the header choice; their selections stay.
  void FillColumns();
  void ShowMapping(const CsvMapping& mapping);
  CsvMapping ChosenMapping() const;
  // The line that names the columns, or the table's first line.
  const std::vector<std::string>& FirstLine() const;

  ISettingsStore& store_;
  IBackgroundRunner& runner_;
  std::string path_;
  std::string_view text_;
  const std::vector<CsvRecord>& records_;
  CsvMapping guess_;
  Statement statement_;
};

}  // namespace purso
