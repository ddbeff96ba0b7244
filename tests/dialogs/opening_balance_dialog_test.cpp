#include "dialogs/opening_balance_dialog.h"

#include <gtest/gtest.h>

#include "resources/opening_balance_dialog_resource.h"
#include "support/scripted_host.h"

namespace purso {
namespace {

using test::CDialogDriver;
using test::CScriptedHost;
namespace ids = opening_balance_dialog;

// Not the defaults, so that an amount read or shown with default settings
// comes out wrong.
CDisplaySettings Kronor() {
  CDisplaySettings settings;
  settings.currencySymbol = "kr";
  settings.symbolPosition = SymbolPosition::kAfter;
  settings.space = true;
  settings.decimalSymbol = DecimalSymbol::kComma;
  return settings;
}

TEST(OpeningBalanceDialogTest, OpensWithTheMagnitudeAndTheSign) {
  const struct {
    double balance;
    const char* text;
    bool negative;
  } cases[] = {{-250, "250,00 kr", true}, {0, "0,00 kr", false}, {1234.5, "1.234,50 kr", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.balance);
    COpeningBalanceDialog dialog(Kronor(), c.balance);
    CScriptedHost host;
    host.Run(dialog, [&](CDialogDriver& driver) {
      EXPECT_EQ(driver.Controls().GetText(ids::kAmount), c.text);
      EXPECT_EQ(driver.Controls().IsChecked(ids::kNegative), c.negative);
      EXPECT_EQ(driver.Controls().IsChecked(ids::kPositive), !c.negative);
      driver.Enter();
    });
    EXPECT_EQ(dialog.Balance(), c.balance);
  }
}

TEST(OpeningBalanceDialogTest, OkGivesTheTypedAmountWithTheChosenSign) {
  const struct {
    const char* typed;
    int sign;  // the radio pressed, or 0 to keep the one it opened with (Negative)
    double balance;
  } cases[] = {
      {"100", ids::kNegative, -100},          {"100", 0, -100},
      {"100", ids::kPositive, 100},           {"999999999", ids::kPositive, 999999999},
      {"1.234,5 kr", ids::kPositive, 1234.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    COpeningBalanceDialog dialog(Kronor(), -250);
    CScriptedHost host;
    const int result = host.Run(dialog, [&](CDialogDriver& driver) {
      if (c.sign != 0) driver.Press(c.sign);
      driver.Type(ids::kAmount, c.typed);
      driver.Press(ids::kOk);
    });
    EXPECT_EQ(result, ids::kOk);
    EXPECT_EQ(dialog.Balance(), c.balance);
    EXPECT_EQ(host.Problems().size(), 0u);
  }
}

TEST(OpeningBalanceDialogTest, RefusesABadOrTooBigAmountAndStaysOpen) {
  const struct {
    const char* typed;
    const char* problem;
    const char* suggestion;
  } cases[] = {
      {"999999999,5", "The balance is invalid (number too big)", "Enter a number < 999999999"},
      {"12345678901", "The balance is invalid (number too big)", "Enter a number < 999999999"},
      {"", "The opening balance is invalid (bad format)", "Enter a valid number."},
      {"abc", "The opening balance is invalid (bad format)", "Enter a valid number."},
      {"-5", "The opening balance is invalid (bad format)", "Enter a valid number."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    COpeningBalanceDialog dialog(Kronor(), -250);
    CScriptedHost host;
    const int result = host.Run(dialog, [&](CDialogDriver& driver) {
      driver.Type(ids::kAmount, c.typed);
      driver.Press(ids::kOk);
      EXPECT_FALSE(driver.Ended());
      EXPECT_EQ(driver.Controls().GetFocus(), ids::kAmount);
      driver.Escape();
    });
    ASSERT_EQ(host.Problems().size(), 1u);
    EXPECT_EQ(host.Problems()[0].problem, c.problem);
    EXPECT_EQ(host.Problems()[0].suggestion, c.suggestion);
    EXPECT_EQ(result, ids::kCancel);
    EXPECT_EQ(dialog.Balance(), -250);
  }
}

TEST(OpeningBalanceDialogTest, AnUntouchedFieldStandsForTheStoredBalanceHoweverLongItsText) {
  CDisplaySettings euros;
  euros.currencySymbol = "EUR";
  euros.symbolPosition = SymbolPosition::kAfter;
  euros.space = true;
  COpeningBalanceDialog dialog(euros, -1000000);
  CScriptedHost host;
  host.Run(dialog, [](CDialogDriver& driver) {
    EXPECT_EQ(driver.Text(ids::kAmount), "1,000,000.00 EUR");  // 16 characters: more than a typed amount may hold
    driver.Press(ids::kOk);
    driver.ExpectAccepted();
  });
  EXPECT_EQ(dialog.Balance(), -1000000);
}

TEST(OpeningBalanceDialogTest, CancelAndEscapeKeepTheBalance) {
  for (const bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "Escape" : "Cancel");
    COpeningBalanceDialog dialog(Kronor(), -250);
    CScriptedHost host;
    const int result = host.Run(dialog, [&](CDialogDriver& driver) {
      driver.Type(ids::kAmount, "100");
      driver.Press(ids::kPositive);
      escape ? driver.Escape() : driver.Press(ids::kCancel);
    });
    EXPECT_EQ(result, ids::kCancel);
    EXPECT_EQ(dialog.Balance(), -250);
  }
}

}  // namespace
}  // namespace purso
