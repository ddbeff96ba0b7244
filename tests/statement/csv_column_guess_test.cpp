// The column guess on the layouts banks write: names in several languages,
// tables below account details, no names at all.
#include "statement/csv_column_guess.h"

#include <gtest/gtest.h>

#include <string>

namespace purso {
namespace {

// The guess in a line: where the table begins and which column holds what.
std::string Guessed(std::string_view text, CsvPreferences preferences = {}) {
  const char separator = GuessCsvSeparator(text);
  const CsvMapping m = GuessCsvMapping(SplitCsvRecords(text, separator), separator, preferences);
  constexpr const char* kOrders[] = {"ymd", "dmy", "mdy"};
  return std::string(m.header == CsvHeader::kFirstLine ? "names@" : "from@") + std::to_string(m.firstRecord) +
         " date=" + m.date + " amount=" + m.amount + " out=" + m.debit + " in=" + m.credit + " dir=" + m.direction +
         " payee=" + m.payee + " memo=" + m.memo + " " + kOrders[static_cast<int>(m.dateOrder)] + " " + m.decimalSymbol;
}

TEST(CsvColumnGuessTest, GuessesEachLayoutFromNamesThenValues) {
  const struct {
    const char* what;
    const char* text;
    const char* guess;
  } kCases[] = {
      {"booking date before value date, balance not the amount",
       "Konto;Info\nSaldo;150,00\n\nBuchung;Wertstellungsdatum;Auftraggeber/Empf\u00e4nger;Verwendungszweck;Saldo;"
       "Betrag\n28.12.2024;29.12.2024;Blumen;Strauss;150,00;-5,50\n27.12.2024;27.12.2024;Karl;Miete;155,50;50,00\n",
       "names@2 date=1 amount=6 out= in= dir= payee=3 memo=4 dmy ,"},
      {"unsigned amounts and a direction column",
       "Datum,Naam,Af Bij,Bedrag\n20240213,Kosten,Af,\"1,25\"\n20240214,Huur,Bij,\"650,00\"\n",
       "names@0 date=1 amount=4 out= in= dir=3 payee=2 memo= ymd ,"},
      {"signed amounts: a type column is no direction",
       "DEBIT,2024/12/24,Host,($85.00)\nCREDIT,2024/12/23,Refund,$3520.00\n",
       "from@0 date=2 amount=4 out= in= dir= payee=3 memo= ymd ."},
      {"a column of zeros named amount is not the amount",
       "Date,Name,Gross,Shipping Amount,Net,Note\n12/27/2024,Shop,-7.49,0.00,-7.49,gift\n",
       "names@0 date=1 amount=5 out= in= dir= payee=2 memo=6 mdy ."},
      {"no names: the running balance is left out",
       "17-06-2024,ACME BV,130.44,223.77,Dividend\n18-06-2024,Card Services,354.21,-200.00,Card\n"
       "25-06-2024,Bank,154.21,-2.20,Fees\n",
       "from@0 date=1 amount=4 out= in= dir= payee=2 memo= dmy ."},
      {"no names: each line fills one of two money columns",
       "07/11/2024,Bank credit,,\u00a3500.00,\u00a3500.00\n09/10/2024,Cash machine,\u00a320.00,,\u00a3480.00\n",
       "from@0 date=1 amount= out=3 in=4 dir= payee=2 memo= dmy ."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Guessed(c.text, {StatementDateOrder::kDayMonthYear, '.'}), c.guess);
  }
}

TEST(CsvColumnGuessTest, AmbiguousDatesTakeThePreferredOrderAndNothingGuessesNothing) {
  const std::string text = "01/02/2024,Rent,-500.00\n03/04/2024,Pay,2000.00\n";
  EXPECT_EQ(Guessed(text, {StatementDateOrder::kMonthDayYear, ','}).substr(0, 16), "from@0 date=1 am");
  EXPECT_NE(Guessed(text, {StatementDateOrder::kMonthDayYear, ','}).find(" mdy ."), std::string::npos);
  EXPECT_NE(Guessed(text, {StatementDateOrder::kDayMonthYear, ','}).find(" dmy ."), std::string::npos);
  EXPECT_EQ(Guessed("", {}), "names@0 date= amount= out= in= dir= payee= memo= ymd .");
}

}  // namespace
}  // namespace purso
