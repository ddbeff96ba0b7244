#include "dialogs/about_dialog.h"

#include "data/translation.h"
#include "resources/about_dialog_resource.h"
#include "resources/translatable.h"

namespace purso {
namespace {

constexpr std::string_view kPurpose =
    PURSO_TEXT("AboutDialog",
               "Tolva Account Organizer plans and follows a household budget. Describe where money comes from and "
               "where it goes with objects, functional areas and categories, enter what really happened, and the cash "
               "flow chart shows the predicted and the actual balance of the year day by day.");

constexpr std::string_view kFiles =
    PURSO_TEXT("AboutDialog",
               "Each account is one file with the extension .pxf. It holds the years 1998 to 2099, each with its own "
               "opening balance, categories, predicted transactions and transactions, and the account's settings for "
               "dates and amounts. Nothing of an account is kept anywhere else.");

constexpr std::string_view kHelp =
    PURSO_TEXT("AboutDialog",
               "Press F1 in the account window, or choose Help Index from the Help menu, to open the help pages. "
               "The Budget Wizard in the Categories menu leads a new user through setting up a year step by step.");

}  // namespace

CAboutDialog::CAboutDialog() : CDialogLogic(about_dialog::kResource) {}

void CAboutDialog::OnInit() {
  Controls().SetText(about_dialog::kFirstPane, Translate("AboutDialog", kPurpose));
  Controls().SetText(about_dialog::kSecondPane, Translate("AboutDialog", kFiles));
  Controls().SetText(about_dialog::kThirdPane, Translate("AboutDialog", kHelp));
  Controls().SetFocus(about_dialog::kClose);
}

}  // namespace purso
