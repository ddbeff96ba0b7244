#include "dialogs/message_dialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "resources/message_dialog_resources.h"
#include "support/scripted_host.h"

namespace purso {
namespace {

using test::CDialogDriver;
using test::CScriptedHost;

struct UserAction {
  const char* name;
  std::function<void(CDialogDriver&)> act;
};

const std::vector<UserAction>& ClosingActions() {
  static const std::vector<UserAction> actions = {
      {"button", [](CDialogDriver& d) { d.Press(problem_dialog::kClose); }},
      {"Enter", [](CDialogDriver& d) { d.Enter(); }},
      {"Escape", [](CDialogDriver& d) { d.Escape(); }},
      {"close box", [](CDialogDriver& d) { d.CloseBox(); }},
  };
  return actions;
}

TEST(ProblemDialogTest, ShowsBothTextsAndClosesEveryWay) {
  for (const UserAction& action : ClosingActions()) {
    SCOPED_TRACE(action.name);
    CScriptedHost host;
    CProblemDialog dialog("The name is invalid.", "Enter a valid name\n- or none");
    host.Run(dialog, [&](CDialogDriver& driver) {
      EXPECT_EQ("The name is invalid.", driver.Controls().GetText(problem_dialog::kProblemText));
      EXPECT_EQ("Enter a valid name\n- or none", driver.Controls().GetText(problem_dialog::kSuggestionText));
      action.act(driver);
      EXPECT_TRUE(driver.Ended());
    });
  }
}

TEST(ProblemDialogTest, ShowProblemRunsTheProblemDialog) {
  CScriptedHost host;
  ShowProblem(host, kOutOfMemoryProblem, kOutOfMemorySuggestion);
  ASSERT_EQ(1u, host.Problems().size());
  EXPECT_EQ("Out of memory.", host.Problems()[0].problem);
  EXPECT_EQ("Try closing all other applications.\nIf that doesn't work, consider buying more RAM.",
            host.Problems()[0].suggestion);
  EXPECT_EQ((std::vector<int>{131}), host.OpenedDialogs());
}

TEST(ConfirmationDialogTest, OnlyYesIsYes) {
  struct Case {
    const char* name;
    std::function<void(CDialogDriver&)> act;
    int result;
  };
  const std::vector<Case> cases = {
      {"Yes", [](CDialogDriver& d) { d.Press(confirmation_dialog::kYes); }, confirmation_dialog::kYes},
      {"Enter", [](CDialogDriver& d) { d.Enter(); }, confirmation_dialog::kYes},
      {"No", [](CDialogDriver& d) { d.Press(confirmation_dialog::kNo); }, confirmation_dialog::kNo},
      {"Escape", [](CDialogDriver& d) { d.Escape(); }, confirmation_dialog::kNo},
      {"close box", [](CDialogDriver& d) { d.CloseBox(); }, confirmation_dialog::kNo},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CScriptedHost host;
    CConfirmationDialog dialog("Remove all predactions?");
    EXPECT_EQ(c.result, host.Run(dialog, [&](CDialogDriver& driver) {
      EXPECT_EQ("Remove all predactions?", driver.Controls().GetText(confirmation_dialog::kQuestion));
      c.act(driver);
    }));
  }
}

TEST(ConfirmationDialogTest, AskConfirmationAnswersFromTheDialog) {
  CScriptedHost host;
  host.AnswerConfirmation(true);
  host.AnswerConfirmation(false);  // answered with Escape
  EXPECT_TRUE(AskConfirmation(host, "Sure?"));
  EXPECT_FALSE(AskConfirmation(host, "Really?"));
  EXPECT_EQ((std::vector<std::string>{"Sure?", "Really?"}), host.Questions());
}

// A dialog with one field and one button that rejects whatever is typed.
constexpr int kField = 1003;
constexpr int kAdd = 1001;
using enum ControlKind;
constexpr ControlResource kControls[] = {
    {kEdit, kField, "", 7, 7, 100, 12},
    {kPushButton, kAdd, "&Add", 110, 7, 40, 14, control_style::kDefault},
    {kPushButton, kCommandOk, "&Done", 110, 25, 40, 14},
};
const DialogResource kRejecting{900, "Test", 160, 50, "MS Sans Serif", 8, kControls};

// Relays to the dialog's host and notes where the reporting dialog's focus
// was while the Problem dialog was open.
class CFocusWatchingHost final : public IHost {
 public:
  CFocusWatchingHost(IHost& inner, const CControlModel& watched) : inner_(inner), watched_(watched) {}
  int RunModal(CDialogLogic& dialog) override {
    focusWhileOpen.push_back(watched_.GetFocus());
    return inner_.RunModal(dialog);
  }
  void OpenDocument(const std::string& path, const std::string& folder) override {
    inner_.OpenDocument(path, folder);
  }
  std::string ProgramPath() const override { return inner_.ProgramPath(); }
  std::optional<std::string> AskSaveFileName(const SaveFileQuestion& question) override {
    return inner_.AskSaveFileName(question);
  }
  bool PrintPage(const PrintRequest& request) override { return inner_.PrintPage(request); }

  std::vector<int> focusWhileOpen;

 private:
  IHost& inner_;
  const CControlModel& watched_;
};

class CRejectingDialog final : public CDialogLogic {
 public:
  CRejectingDialog() : CDialogLogic(kRejecting) {}
  void OnCommand(int id) override {
    if (id != kAdd) {
      CDialogLogic::OnCommand(id);
      return;
    }
    CFocusWatchingHost watching(Host(), Controls());
    ReportInputError(watching, Controls(), "The name of the new object is invalid.", "Remove it.", kField);
    focusWhileOpen = watching.focusWhileOpen;
  }
  std::vector<int> focusWhileOpen;
};

TEST(ReportInputErrorTest, FocusMovesToTheFieldAfterTheProblemClosed) {
  CScriptedHost host;
  CRejectingDialog dialog;
  host.Run(dialog, [](CDialogDriver& driver) {
    driver.Type(kField, "a%b");
    driver.Press(kAdd);
    EXPECT_FALSE(driver.Ended());
    EXPECT_EQ(kField, driver.Controls().GetFocus());
    EXPECT_EQ("a%b", driver.Controls().GetText(kField));
    driver.Press(kCommandOk);
  });
  EXPECT_EQ((std::vector<int>{kAdd}), dialog.focusWhileOpen);
  ASSERT_EQ(1u, host.Problems().size());
  EXPECT_EQ("The name of the new object is invalid.", host.Problems()[0].problem);
  EXPECT_EQ("Remove it.", host.Problems()[0].suggestion);
}

}  // namespace
}  // namespace purso
