// CCsvColumnsDialog: the Statement Columns dialog (173), how a CSV statement
// is to be read before it is imported.
//
// It opens with the columns remembered for the file's layout
// (csv_mapping_memory.h), else with the columns whose names say what they
// hold, and the date order and decimal symbol that read the file's first
// lines, the account's own preferred. OK reads the whole statement with the
// choices made: a statement that cannot be read is refused with the
// reader's problem, which names the file and the line, the focus on the
// choice most likely at fault; a statement that was read is kept for the
// caller, and the choices are remembered for the next file of that layout.
#pragma once

#include <string>
#include <vector>

#include "data/display_settings.h"
#include "dialogs/editing_dialog.h"
#include "platform/settings_store.h"
#include "statement/csv_text.h"
#include "statement/statement_file.h"

namespace purso {

// The first lines of a CSV statement, as the dialog shows them.
struct CsvPreview {
  std::string path;
  std::vector<CsvRecord> records;  // UTF-8; the first line first
};

// Reads the first lines of the CSV statement at path. False, with error
// naming the file, when it cannot be opened or holds no line at all (then
// error is what the reader says of it).
bool PreviewCsvStatement(const std::string& path, CsvPreview& preview, StatementError& error);

class CCsvColumnsDialog final : public CEditingDialog {
 public:
  // preview holds at least one line; store must outlive the dialog.
  CCsvColumnsDialog(const CDisplaySettings& settings, ISettingsStore& store, CsvPreview preview);

  void OnInit() override;
  void OnCommand(int controlId) override;

  // After OK: the statement, read with the columns chosen.
  const Statement& ReadStatement() const { return statement_; }

 private:
  void OnOk();
  // The column lists' items for the header choice; their selections stay.
  void FillColumns();
  void ShowMapping(const CsvMapping& mapping);
  CsvMapping ChosenMapping() const;
  CsvMapping GuessedMapping() const;
  // The fields of one column in the lines after the first.
  std::vector<std::string_view> Values(const std::string& column) const;

  CDisplaySettings settings_;
  ISettingsStore& store_;
  CsvPreview preview_;
  Statement statement_;
};

}  // namespace purso
