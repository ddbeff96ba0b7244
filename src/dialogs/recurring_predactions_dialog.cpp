#include "dialogs/recurring_predactions_dialog.h"

#include <string>

#include "data/translation.h"
#include "platform/shown_text.h"
#include "resources/recurring_predactions_dialog_resource.h"
#include "resources/translatable.h"
#include "text/date_text.h"

namespace purso {
namespace {

namespace ids = recurring_predactions_dialog;

// Every field is read as a fixed-size field of this many characters.
constexpr std::size_t kFieldLength = 79;

}  // namespace

CRecurringPredactionsDialog::CRecurringPredactionsDialog(const CAccountBook& book, SeriesUnit unit)
    : CEditingDialog(ids::kResource), book_(book) {
  series_.unit = unit;
}

void CRecurringPredactionsDialog::OnInit() {
  CControlModel& controls = Controls();
  controls.SetText(ids::kUnit, ShownText(ids::kResource, UnitWord(series_.unit)));
  // Shown dates are written with "/" whatever the separator typed dates take.
  controls.SetText(ids::kLast, book_.Settings().dateOrder == DateOrder::kDayFirst ? "31/12" : "12/31");
  controls.SetFocus(ids::kInterval);
}

void CRecurringPredactionsDialog::OnCommand(int controlId) {
  if (controlId == ids::kAdd) {
    OnAdd();
  } else {
    CEditingDialog::OnCommand(controlId);
  }
}

void CRecurringPredactionsDialog::OnAdd() {
  const CControlModel& controls = Controls();
  const CDisplaySettings& settings = book_.Settings();
  const int year = book_.GetYear();

  // A negative number, read as unsigned, is far above every largest interval.
  const unsigned interval = static_cast<unsigned>(ReadWholeNumber(controls.GetText(ids::kInterval, kFieldLength)));
  const unsigned largest = MaxInterval(series_.unit);
  if (interval < 1 || interval > largest) {
    return Refuse(
        Translate("RecurringPredactionsDialog", "The predaction interval is invalid."),
        Filled(Translate("RecurringPredactionsDialog", "Enter a number between 1 and %1."), {std::to_string(largest)}),
        ids::kInterval);
  }
  const std::optional<double> first =
      TypedDate(settings, year, ids::kFirst, PURSO_TEXT("Input", "The first predaction date is invalid."));
  if (!first) return;
  const std::optional<double> last =
      TypedDate(settings, year, ids::kLast, PURSO_TEXT("Input", "The last predaction date is invalid."));
  if (!last) return;
  if (*last < *first) {
    return Refuse(Translate("RecurringPredactionsDialog", "The last predaction occurs before the first predaction."),
                  Translate("RecurringPredactionsDialog", "Change the first or the last predaction date."),
                  ids::kFirst);
  }
  const std::optional<double> amount = TypedAmount(settings, ids::kAmount, kAmountProblems, kFieldLength);
  if (!amount) return;

  series_.interval = interval;
  series_.first = *first;
  series_.last = *last;
  series_.amount = *amount;
  EndDialog(ids::kAdd);
}

}  // namespace purso
