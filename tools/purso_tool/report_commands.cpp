#include "purso_tool/report_commands.h"

#include <cerrno>
#include <optional>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/account_view.h"
#include "app/chart_picture.h"
#include "app/file_name.h"
#include "app/purso_document.h"
#include "calc/budget_report.h"
#include "data/account_save.h"
#include "data/account_text.h"
#include "platform/dialog_logic.h"
#include "purso_tool/tool_commands.h"
#include "purso_tool/tool_options.h"
#include "statement/budget_report_export.h"
#include "statement/csv_text.h"

namespace purso::tool {
namespace {

using Json = nlohmann::ordered_json;

// The tool shows no dialog; drawing the view never asks for one.
class CNoDialogHost final : public IHost {
 public:
  int RunModal(CDialogLogic&) override { return kCommandCancel; }
  void OpenDocument(const std::string&, const std::string&) override {}
  std::string ProgramPath() const override { return {}; }
  std::optional<std::string> AskSaveFileName(const SaveFileQuestion&) override { return std::nullopt; }
  bool PrintPage(const PrintRequest&) override { return false; }
};

// The account's name as the program's window shows it, without the extension.
std::string AccountName(const std::string& path) { return StemOf(FileNameOf(path)); }


Json FiguresJson(CategoryType type, const BudgetFigures& figures) {
  Json json;
  json["budget"] = figures.budget;
  json["share"] = figures.share;
  json["actual"] = figures.actual;
  json["surplusAtBalanceDate"] = figures.surplusAtDate;
  json["surplusAtYearEnd"] = figures.surplusAtYearEnd;
  if (IsFixed(type)) {
    json["matched"] = figures.matched;
    json["outstanding"] = figures.outstanding;
  }
  return json;
}

Json ReportJson(const BudgetReport& report) {
  Json json;
  json["year"] = report.year;
  json["balanceDate"] = IsoDate(report.year, report.balanceDate);
  Json groups = Json::array();
  for (const BudgetReportGroup& group : report.groups) {
    Json categories = Json::array();
    for (const BudgetReportRow& row : group.rows) {
      Json category;
      category["name"] = AccountTextToUtf8(row.name);
      category.update(FiguresJson(row.type, row.figures));
      categories.push_back(std::move(category));
    }
    groups.push_back({{"type", std::string(CategoryTypeText(group.type))},
                      {"categories", std::move(categories)},
                      {"total", FiguresJson(group.type, group.total)}});
  }
  json["groups"] = std::move(groups);
  json["balances"] = {{"predictedAtBalanceDate", report.predictedAtDate},
                      {"predictedAtDecember31", report.predictedAtYearEnd},
                      {"actualAtBalanceDate", report.actualAtDate},
                      {"actualAtDecember31", report.actualAtYearEnd ? Json(*report.actualAtYearEnd) : Json(nullptr)}};
  return json;
}

// The account of the command, opened in a document on the year asked for.
struct OpenAccount {
  CNoDialogHost host;
  CpursoPXFDoc document{host};
};

int RunReport(const Options& options, CpursoPXFDoc& document, std::ostream& out) {
  const std::string_view format = options.Value("--format").value_or("json");
  const BudgetReport report = ComputeBudgetReport(document.CurrentLedger());
  if (format == "csv") {
    out << BudgetReportCsv(report, document.Book().Settings());
  } else if (format == "html") {
    out << BudgetReportHtml(report, document.Book().Settings(), AccountName(options.files.front()));
  } else {
    out << ReportJson(report).dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
  }
  return kExitOk;
}

int RunChart(const Options& options, CpursoPXFDoc& document, std::ostream& err) {
  CpursoPXFView view(document);
  view.OnInitialUpdate();
  const std::string& path = options.files[1];
  const std::string svg = chart_picture::Svg(view, AccountName(options.files.front()), chart_picture::kArea.Width(),
                                             chart_picture::kArea.Height());
  if (!WriteFileAtomically(path, std::vector<std::uint8_t>(svg.begin(), svg.end()))) {
    Fail(err, "cannot write " + Quoted(path) + Reason(errno));
    return kExitFileError;
  }
  return kExitOk;
}

}  // namespace

bool IsReportCommand(const std::string& command) { return command == "chart" || command == "report"; }

int RunReportCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const std::string& command = arguments.front();
  const bool chart = command == "chart";
  try {
    Options options;
    if (chart) {
      options = ParseOptions(command, arguments, {{"--year", OptionKind::kValue}, {"--today", OptionKind::kValue}}, 2,
                             "an ACCOUNT and an OUT.svg");
    } else {
      options = ParseOptions(
          command, arguments,
          {{"--year", OptionKind::kValue}, {"--today", OptionKind::kValue}, {"--format", OptionKind::kValue}}, 1,
          "an ACCOUNT");
      const std::string_view format = options.Value("--format").value_or("json");
      if (format != "json" && format != "csv" && format != "html") {
        throw UsageError{"--format must be json, csv or html, not " + Quoted(format)};
      }
    }
    if (options.help) {
      out << UsageText();
      return kExitOk;
    }
    OpenAccount account;
    CAccountBook& book = account.document.Book();
    if (const auto failure = LoadForCommand(options.files.front(), book, err)) return *failure;
    if (options.year) book.SetYearIndex(static_cast<std::uint8_t>(*options.year - CAccountBook::kFirstYear));
    // The balance date depends on today; a fixed today makes the output repeatable.
    const CTodayOption today(options);
    return chart ? RunChart(options, account.document, err) : RunReport(options, account.document, out);
  } catch (const UsageError& error) {
    return UsageFailure(err, error.message);
  }
}

std::string ReportCommandsUsage() {
  return "  chart ACCOUNT OUT.svg [--year YYYY] [--today YYYY-MM-DD]\n"
         "                       write the year's cash flow chart and key figures as\n"
         "                       an SVG drawing, as File > Export Chart... does\n"
         "  report ACCOUNT [--year YYYY] [--today YYYY-MM-DD] [--format FORMAT]\n"
         "                       print the year's Budget Report: per category its\n"
         "                       budget, share and actual to the balance date and its\n"
         "                       surplus then and at the year's end; FORMAT is json\n"
         "                       (the default), csv or html\n";
}

}  // namespace purso::tool
