// One sample of every dialog of the program, opened on the shared sample
// account, for the tests that go through all dialogs (the Qt test that
// checks each dialog against its resource and keeps its picture). A new
// dialog adds its row to dialog_samples.cpp.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "data/account_book.h"
#include "platform/dialog_logic.h"

namespace purso::test {

struct DialogSample {
  std::string_view name;
  // The dialog, on book, which holds the sample account (FillSampleYear)
  // and outlives the dialog.
  std::function<std::unique_ptr<CDialogLogic>(CAccountBook& book)> make;
  // The control whose command closes the dialog; Escape when the dialog has
  // no such control.
  int closeCommand = kCommandCancel;
};

std::span<const DialogSample> DialogSamples();

}  // namespace purso::test
