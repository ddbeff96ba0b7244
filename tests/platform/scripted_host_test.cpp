// The scripted host is what every scenario test trusts to fail loudly, so
// its own failures are tested here.
#include "support/scripted_host.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "resources/message_dialog_resources.h"

namespace purso::test {
namespace {

constexpr int kAsk = 100;
constexpr int kLocked = 101;
constexpr int kField = 102;

using enum ControlKind;
using namespace control_style;
constexpr ControlResource kControls[] = {
    {kEdit, kField, "", 0, 0, 10, 10},
    {kPushButton, kAsk, "Ask", 0, 0, 10, 10},
    {kPushButton, kLocked, "Locked", 0, 0, 10, 10, kDisabled},
    {kPushButton, kCommandOk, "OK", 0, 0, 10, 10, kDefault},
};
const DialogResource kDialog{900, "Test", 100, 100, "MS Sans Serif", 8, kControls};

// Asks a question, and on "yes" reports a problem; records the answer.
class CAskingDialog : public CDialogLogic {
 public:
  CAskingDialog() : CDialogLogic(kDialog) {}
  void OnCommand(int id) override {
    if (id != kAsk) {
      CDialogLogic::OnCommand(id);
      return;
    }
    CDialogLogic question(confirmation_dialog::kResource);
    question.Controls().SetText(confirmation_dialog::kQuestion, "Sure?");
    answers.push_back(Host().RunModal(question) == kCommandOk);
    if (answers.back()) {
      CDialogLogic problem(problem_dialog::kResource);
      problem.Controls().SetText(problem_dialog::kProblemText, "Bad");
      problem.Controls().SetText(problem_dialog::kSuggestionText, "Fix it");
      Host().RunModal(problem);
    }
  }
  std::vector<bool> answers;
};

TEST(ScriptedHostTest, AnswersMessageDialogsAndRecordsThem) {
  CScriptedHost host;
  host.AnswerConfirmation(true);
  host.AnswerConfirmation(false);
  CAskingDialog dialog;
  const int result = host.Run(dialog, [](CDialogDriver& driver) {
    driver.Press(kAsk);
    driver.Press(kAsk);
    driver.Focus(kField);  // Enter on a focused button would press that button
    driver.Enter();
  });
  EXPECT_EQ(result, kCommandOk);
  EXPECT_EQ(dialog.answers, (std::vector<bool>{true, false}));
  ASSERT_EQ(host.Problems().size(), 1u);
  EXPECT_EQ(host.Problems()[0].problem, "Bad");
  EXPECT_EQ(host.Problems()[0].suggestion, "Fix it");
  EXPECT_EQ(host.Questions(), (std::vector<std::string>{"Sure?", "Sure?"}));
  EXPECT_EQ(host.OpenedDialogs(), (std::vector<int>{900, 145, 131, 145}));
}

TEST(ScriptedHostTest, FailsOnDisabledControlsAndDialogsLeftOpen) {
  CScriptedHost host;
  CAskingDialog dialog;
  EXPECT_NONFATAL_FAILURE(host.Run(dialog,
                                   [](CDialogDriver& driver) {
                                     driver.Press(kLocked);
                                     driver.Escape();
                                   }),
                          "disabled control 101");
  CAskingDialog other;
  EXPECT_NONFATAL_FAILURE(host.Run(other, [](CDialogDriver& driver) { driver.Type(kField, "x"); }),
                          "left open");
}

TEST(ScriptedHostTest, FailsOnUnexpectedDialogsAndUnansweredQuestions) {
  CAskingDialog dialog;
  EXPECT_NONFATAL_FAILURE(
      {
        CScriptedHost host;
        host.Run(dialog, [](CDialogDriver& driver) {
          driver.Press(kAsk);
          driver.Escape();
        });
      },
      "unexpected confirmation");
  EXPECT_NONFATAL_FAILURE(
      {
        CScriptedHost host;
        CAskingDialog nested;
        host.RunModal(nested);
      },
      "unexpected dialog 900");
  EXPECT_NONFATAL_FAILURE({ CScriptedHost host; host.Expect(151, [](CDialogDriver&) {}); }, "never opened");
}

TEST(ScriptedHostTest, RefusalExpectationsFailOnTheWrongProblemFocusOrCount) {
  const auto run = [](bool yes, const std::function<void(CDialogDriver&)>& expect) {
    CScriptedHost host;
    host.AnswerConfirmation(yes);
    CAskingDialog dialog;
    host.Run(dialog, [&](CDialogDriver& driver) {
      driver.Focus(kField);
      driver.Press(kAsk);  // the focus moves to the button pressed
      expect(driver);
      driver.Escape();
    });
  };
  run(true, [](CDialogDriver& driver) { driver.ExpectRefused("Bad", "Fix it", kAsk); });
  run(false, [](CDialogDriver& driver) { driver.ExpectAccepted(); });
  EXPECT_NONFATAL_FAILURE(run(true, [](CDialogDriver& d) { d.ExpectRefused("Bad", "Other", kAsk); }), "Other");
  EXPECT_NONFATAL_FAILURE(run(true, [](CDialogDriver& d) { d.ExpectRefused("Bad", "Fix it", kField); }), "focus");
  EXPECT_NONFATAL_FAILURE(run(false, [](CDialogDriver& d) { d.ExpectRefused("Bad", "Fix it", kAsk); }), "0 Problem");
  EXPECT_NONFATAL_FAILURE(run(true, [](CDialogDriver& d) { d.ExpectAccepted(); }), "refused: \"Bad\"");
}

}  // namespace
}  // namespace purso::test
