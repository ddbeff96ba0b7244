#include "statement/budget_report_export.h"

#include <cstdio>
#include <initializer_list>
#include <vector>

#include "data/account_text.h"
#include "data/translation.h"
#include "statement/csv_text.h"
#include "text/amount_text.h"
#include "text/date_text.h"

namespace purso {
namespace {

std::string Number(double amount, const CDisplaySettings& settings) {
  return ExportNumber(amount, ExportDecimals(settings));
}

std::string Html(std::string_view accountText) { return XmlEscaped(AccountTextToUtf8(accountText)); }

std::string TypeText(CategoryType type) { return std::string(CategoryTypeText(type)); }

// A text of the page in the user's language, with its values (HTML already).
std::string Shown(std::string_view marked, std::initializer_list<std::string_view> values = {}) {
  return Filled(Html(Translate("BudgetReportPage", marked)), values);
}

class CHtmlWriter {
 public:
  CHtmlWriter(const BudgetReport& report, const CDisplaySettings& settings) : report_(report), settings_(settings) {}

  std::string Page(std::string_view accountName) {
    const std::string date = Html(FormatDate(settings_, report_.balanceDate));
    const std::string yearEnd = Html(FormatDate(settings_, 1231));
    const std::string title = Shown(kBudgetReportTitle) + ' ' + std::to_string(report_.year);
    const std::string account = XmlEscaped(accountName);
    const auto heading = [](std::string_view text) { return "<th class=\"n\">" + std::string(text) + "</th>"; };
    out_ = "<!DOCTYPE html>\n<html lang=\"" + Shown(PURSO_TEXT("BudgetReportPage", "en")) +
           "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title + " - " + account +
           "</title>\n<style>\nbody { font-family: sans-serif; font-size: 10pt; }\n"
           "th { text-align: left; border-bottom: 1px solid #888888; }\nth.n, td.n { text-align: right; }\n"
           ".deficit { color: #cc0000; }\ntr.total td { font-weight: bold; border-top: 1px solid #888888; }\n"
           "</style>\n</head>\n<body>\n<h1>" +
           title + "</h1>\n<p>" + Shown(PURSO_TEXT("BudgetReportPage", "%1, balance date %2"), {account, date}) +
           "</p>\n";
    out_ += "<table cellspacing=\"0\" cellpadding=\"3\">\n<tr><th>" +
            Shown(PURSO_TEXT("BudgetReportPage", "Category")) + "</th><th>" +
            Shown(PURSO_TEXT("BudgetReportPage", "Type")) + "</th>" +
            heading(Shown(PURSO_TEXT("BudgetReportPage", "Budget"))) +
            heading(Shown(PURSO_TEXT("BudgetReportPage", "Share to %1"), {date})) +
            heading(Shown(PURSO_TEXT("BudgetReportPage", "Actual to %1"), {date})) +
            heading(Shown(PURSO_TEXT("BudgetReportPage", "Surplus at %1"), {date})) +
            heading(Shown(PURSO_TEXT("BudgetReportPage", "Surplus at %1"), {yearEnd})) +
            heading(Shown(PURSO_TEXT("BudgetReportPage", "Matched"))) +
            heading(Shown(PURSO_TEXT("BudgetReportPage", "Outstanding"))) + "</tr>\n";
    for (const BudgetReportGroup& group : report_.groups) {
      for (const BudgetReportRow& row : group.rows) Row("", Html(row.name), row.type, row.figures);
      Row(" class=\"total\"", Shown(PURSO_TEXT("BudgetReportPage", "Total %1"), {TypeName(group.type)}), group.type,
          group.total);
    }
    out_ += "</table>\n<h2>" + Shown(PURSO_TEXT("BudgetReportPage", "Balances")) +
            "</h2>\n<table cellspacing=\"0\" cellpadding=\"3\">\n<tr><th></th>" +
            heading(Shown(PURSO_TEXT("BudgetReportPage", "At %1"), {date})) +
            heading(Shown(PURSO_TEXT("BudgetReportPage", "At %1"), {yearEnd})) + "</tr>\n";
    Balance(Shown(PURSO_TEXT("BudgetReportPage", "Predicted balance")), report_.predictedAtDate,
            report_.predictedAtYearEnd);
    Balance(Shown(PURSO_TEXT("BudgetReportPage", "Actual balance")), report_.actualAtDate, report_.actualAtYearEnd);
    out_ += "</table>\n</body>\n</html>\n";
    return std::move(out_);
  }

 private:
  std::string Amount(double amount) const { return Html(FormatAmount(settings_, amount)); }
  // A surplus below zero is a deficit: with its sign, in red.
  std::string Signed(double amount) const {
    const std::string text = Html(FormatSignedAmount(settings_, amount));
    return text.front() == '-' ? "<span class=\"deficit\">" + text + "</span>" : text;
  }
  static std::string Cell(const std::string& text) { return "<td class=\"n\">" + text + "</td>"; }
  static std::string TypeName(CategoryType type) { return Html(CategoryTypeName(type)); }

  void Row(std::string_view rowClass, const std::string& name, CategoryType type, const BudgetFigures& figures) {
    const bool fixed = IsFixed(type);
    out_ += "<tr" + std::string(rowClass) + "><td>" + name + "</td><td>" + TypeName(type) + "</td>" +
            Cell(Amount(figures.budget)) + Cell(Amount(figures.share)) + Cell(Amount(figures.actual)) +
            Cell(Signed(figures.surplusAtDate)) + Cell(Signed(figures.surplusAtYearEnd)) +
            Cell(fixed ? std::to_string(figures.matched) : "") +
            Cell(fixed ? std::to_string(figures.outstanding) : "") + "</tr>\n";
  }

  void Balance(const std::string& name, double atDate, std::optional<double> atYearEnd) {
    out_ += "<tr><td>" + name + "</td>" + Cell(Signed(atDate)) + Cell(atYearEnd ? Signed(*atYearEnd) : "") + "</tr>\n";
  }

  const BudgetReport& report_;
  const CDisplaySettings& settings_;
  std::string out_;
};

}  // namespace

std::string BudgetReportHtml(const BudgetReport& report, const CDisplaySettings& settings,
                             std::string_view accountName) {
  return CHtmlWriter(report, settings).Page(accountName);
}

std::string BudgetReportCsv(const BudgetReport& report, const CDisplaySettings& settings) {
  const auto number = [&settings](double amount) { return Number(amount, settings); };
  const auto figures = [&](std::string_view record, const std::string& name, CategoryType type,
                           const BudgetFigures& f) {
    const bool fixed = IsFixed(type);
    return std::vector<std::string>{std::string(record),
                                    name,
                                    TypeText(type),
                                    number(f.budget),
                                    number(f.share),
                                    number(f.actual),
                                    number(f.surplusAtDate),
                                    number(f.surplusAtYearEnd),
                                    fixed ? std::to_string(f.matched) : "",
                                    fixed ? std::to_string(f.outstanding) : ""};
  };
  std::string csv;
  AppendCsvRecord(csv, {"Record", "Name", "Type", "Budget", "Share", "Actual", "At balance date", "At year end",
                        "Matched", "Outstanding"});
  AppendCsvRecord(csv, {"Balance date", IsoDate(report.year, report.balanceDate), "", "", "", "", "", "", "", ""});
  for (const BudgetReportGroup& group : report.groups) {
    for (const BudgetReportRow& row : group.rows) {
      AppendCsvRecord(csv, figures("Category", AccountTextToUtf8(row.name), row.type, row.figures));
    }
    AppendCsvRecord(csv, figures("Total", TypeText(group.type), group.type, group.total));
  }
  AppendCsvRecord(csv, {"Balance", "Predicted balance", "", "", "", "", number(report.predictedAtDate),
                        number(report.predictedAtYearEnd), "", ""});
  AppendCsvRecord(csv, {"Balance", "Actual balance", "", "", "", "", number(report.actualAtDate),
                        report.actualAtYearEnd ? number(*report.actualAtYearEnd) : "", "", ""});
  return csv;
}

}  // namespace purso
