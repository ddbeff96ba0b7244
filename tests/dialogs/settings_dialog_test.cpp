#include "dialogs/settings_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/settings_dialog_resource.h"
#include "support/scripted_host.h"

namespace purso {
namespace {

using test::CDialogDriver;
using test::CScriptedHost;
namespace ids = settings_dialog;

// Every setting away from its default.
CDisplaySettings OtherSettings() {
  CDisplaySettings settings;
  settings.dateOrder = DateOrder::kDayFirst;
  settings.dateSeparator = '-';
  settings.currencySymbol = "kr";
  settings.symbolPosition = SymbolPosition::kAfter;
  settings.space = true;
  settings.decimalSymbol = DecimalSymbol::kComma;
  settings.decimals = 0;
  return settings;
}

void ExpectSameSettings(const CDisplaySettings& actual, const CDisplaySettings& expected) {
  EXPECT_EQ(actual.dateOrder, expected.dateOrder);
  EXPECT_EQ(actual.dateSeparator, expected.dateSeparator);
  EXPECT_EQ(actual.currencySymbol, expected.currencySymbol);
  EXPECT_EQ(actual.symbolPosition, expected.symbolPosition);
  EXPECT_EQ(actual.space, expected.space);
  EXPECT_EQ(actual.decimalSymbol, expected.decimalSymbol);
  EXPECT_EQ(actual.decimals, expected.decimals);
}

TEST(SettingsDialogTest, OpensShowingTheSettings) {
  for (const CDisplaySettings& settings : {CDisplaySettings{}, OtherSettings()}) {
    const bool other = settings.dateOrder == DateOrder::kDayFirst;
    SCOPED_TRACE(other ? "other settings" : "defaults");
    CDisplaySettings record = settings;
    CSettingsDialog dialog(record);
    CScriptedHost host;
    host.Run(dialog, [&](CDialogDriver& driver) {
      CControlModel& controls = driver.Controls();
      EXPECT_EQ(controls.IsChecked(ids::kDayFirst), other);
      EXPECT_EQ(controls.IsChecked(ids::kMonthFirst), !other);
      EXPECT_EQ(controls.GetText(ids::kSeparator), other ? "-" : "/");
      EXPECT_EQ(controls.GetText(ids::kCurrencySymbol), other ? "kr" : "$");
      EXPECT_EQ(controls.IsChecked(ids::kSymbolAfter), other);
      EXPECT_EQ(controls.IsChecked(ids::kSymbolBefore), !other);
      EXPECT_EQ(controls.IsChecked(ids::kSpace), other);
      EXPECT_EQ(controls.IsChecked(ids::kDecimalComma), other);
      EXPECT_EQ(controls.IsChecked(ids::kDecimalPoint), !other);
      EXPECT_EQ(controls.GetText(ids::kDecimals), other ? "0" : "2");
      driver.Press(ids::kDone);
    });
    ExpectSameSettings(record, settings);
  }
}

TEST(SettingsDialogTest, DoneWritesAllSevenSettings) {
  CDisplaySettings record;
  CSettingsDialog dialog(record);
  CScriptedHost host;
  const int result = host.Run(dialog, [](CDialogDriver& driver) {
    driver.Press(ids::kDayFirst);
    driver.Type(ids::kSeparator, "-");
    driver.Type(ids::kCurrencySymbol, "kr");
    driver.Press(ids::kSymbolAfter);
    driver.Press(ids::kSpace);
    driver.Press(ids::kDecimalComma);
    driver.Type(ids::kDecimals, "0");
    driver.Enter();
  });
  EXPECT_EQ(result, ids::kDone);
  ExpectSameSettings(record, OtherSettings());
  EXPECT_EQ(host.Problems().size(), 0u);
}

TEST(SettingsDialogTest, DecimalsAreReadAsAWholeNumberFromTenCharacters) {
  const struct {
    const char* typed;
    int decimals;
  } cases[] = {{"4", 4}, {" +3", 3}, {"1x", 1}, {"abc", 0}, {"", 0}, {"00000000005", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    CDisplaySettings record;
    CSettingsDialog dialog(record);
    CScriptedHost host;
    const int result = host.Run(dialog, [&](CDialogDriver& driver) {
      driver.Type(ids::kDecimals, c.typed);
      driver.Press(ids::kDone);
    });
    EXPECT_EQ(result, ids::kDone);
    EXPECT_EQ(record.decimals, c.decimals);
    EXPECT_EQ(host.Problems().size(), 0u);
  }
}

// Each row is valid up to its faulty field and faulty after it, so only the
// first check in order may speak.
TEST(SettingsDialogTest, DoneStopsAtTheFirstFailedCheckAndChangesNothing) {
  const struct {
    const char* decimals;
    const char* symbol;
    const char* separator;
    const char* problem;
    const char* suggestion;
    int focus;
  } cases[] = {
      {"5", "", "", "The number of decimals is invalid.", "Enter a number between 0 and 4.", ids::kDecimals},
      {"-1", "", "", "The number of decimals is invalid.", "Enter a number between 0 and 4.", ids::kDecimals},
      {"2", "", "", "The currency symbol is invalid.", "Enter 1, 2 or 3 characters.", ids::kCurrencySymbol},
      {"2", "a.b,", "", "The currency symbol is invalid.", "Enter 1, 2 or 3 characters.", ids::kCurrencySymbol},
      {"2", "k r", "", "The currency symbol is invalid.", "The ' ', ',' and '.' characters can not be used.",
       ids::kCurrencySymbol},
      {"2", "kr,", "", "The currency symbol is invalid.", "The ' ', ',' and '.' characters can not be used.",
       ids::kCurrencySymbol},
      {"2", ".", "", "The currency symbol is invalid.", "The ' ', ',' and '.' characters can not be used.",
       ids::kCurrencySymbol},
      {"2", "EUR", "0", "The date separator is invalid.", "Enter 1 character that is not a number.", ids::kSeparator},
      {"2", "EUR", "9", "The date separator is invalid.", "Enter 1 character that is not a number.", ids::kSeparator},
      {"2", "EUR", "//", "The date separator is invalid.", "Enter 1 character that is not a number.", ids::kSeparator},
      {"2", "EUR", "", "The date separator is invalid.", "Enter 1 character that is not a number.", ids::kSeparator},
      // After the checks above: characters that would make amounts read or rows draw wrongly.
      {"2", "1", "/", "The currency symbol is invalid.", "Numbers and the '+' and '-' characters can not be used.",
       ids::kCurrencySymbol},
      {"2", "kr-", "/", "The currency symbol is invalid.", "Numbers and the '+' and '-' characters can not be used.",
       ids::kCurrencySymbol},
      {"2", "+", "-", "The currency symbol is invalid.", "Numbers and the '+' and '-' characters can not be used.",
       ids::kCurrencySymbol},
      {"2", "%", "/", "The currency symbol is invalid.", "Remove the '%', '|' & '@' characters.", ids::kCurrencySymbol},
      {"2", "a@", "/", "The currency symbol is invalid.", "Remove the '%', '|' & '@' characters.", ids::kCurrencySymbol},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.decimals) + " | " + c.symbol + " | " + c.separator);
    CDisplaySettings record;
    const auto before = record.Encode();
    CSettingsDialog dialog(record);
    CScriptedHost host;
    host.Run(dialog, [&](CDialogDriver& driver) {
      driver.Press(ids::kDayFirst);
      driver.Press(ids::kSymbolAfter);
      driver.Press(ids::kSpace);
      driver.Press(ids::kDecimalComma);
      driver.Type(ids::kDecimals, c.decimals);
      driver.Type(ids::kCurrencySymbol, c.symbol);
      driver.Type(ids::kSeparator, c.separator);
      driver.Press(ids::kDone);
      ASSERT_EQ(host.Problems().size(), 1u);
      EXPECT_EQ(host.Problems()[0].problem, c.problem);
      EXPECT_EQ(host.Problems()[0].suggestion, c.suggestion);
      EXPECT_EQ(driver.Controls().GetFocus(), c.focus);
      EXPECT_FALSE(driver.Ended());
      EXPECT_EQ(record.Encode(), before);
      // The dialog closes only through Done.
      driver.Type(ids::kDecimals, "2");
      driver.Type(ids::kCurrencySymbol, "$");
      driver.Type(ids::kSeparator, "/");
      driver.Press(ids::kDone);
    });
  }
}

TEST(SettingsDialogTest, ASymbolTypedWithACharacterAccountTextCannotHoldIsRefusedByName) {
  CDisplaySettings record;
  CSettingsDialog dialog(record);
  CScriptedHost host;
  host.Run(dialog, [](CDialogDriver& driver) {
    // What the adapter hands over when the user types the rupee sign.
    driver.Controls().ApplyText(ids::kCurrencySymbol, "?", U"\u20B9");
    driver.Press(ids::kDone);
    driver.ExpectRefused("The currency symbol is invalid.", "The character U+20B9 can not be used.",
                         ids::kCurrencySymbol);
    driver.Type(ids::kCurrencySymbol, "\x80");  // the euro sign, which account text holds
    driver.Press(ids::kDone);
    driver.ExpectAccepted();
  });
  EXPECT_EQ(record.currencySymbol, "\x80");
}

TEST(SettingsDialogTest, HelpEscapeAndCloseBoxOpenTheHelpPageAndStayOpen) {
  CDisplaySettings record;
  CSettingsDialog dialog(record);
  CScriptedHost host;
  host.SetProgramPath("/opt/Tolva/purso");
  host.Run(dialog, [](CDialogDriver& driver) {
    driver.Press(ids::kHelp);
    driver.Escape();
    driver.CloseBox();
    EXPECT_FALSE(driver.Ended());
    driver.Press(ids::kDone);
  });
  EXPECT_EQ(host.OpenedDocuments(), std::vector<std::string>(3, "/opt/Tolva/set_dlg.htm"));
  EXPECT_EQ(host.OpenedFolders(), std::vector<std::string>(3, "/opt/Tolva/"));
}

}  // namespace
}  // namespace purso
