// CpursoMainFrame: the cash flow chart out of the program. File > Export
// Chart... asks for the kind and size of picture (the Export Chart dialog),
// then for the file, and writes it whole or not at all; File > Print...
// and Print Preview... put the chart and its key figures on one landscape
// page through the desktop's print dialog.
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <vector>

#include "app/account_view.h"
#include "app/chart_picture.h"
#include "app/file_name.h"
#include "data/translation.h"
#include "dialogs/export_chart_dialog.h"
#include "dialogs/message_dialogs.h"
#include "qt/qt_host.h"
#include "qt/qt_translation.h"
#include "qt/text_codec.h"
#include "resources/translatable.h"
#include "shell/chart_output.h"
#include "shell/main_frame.h"

namespace purso {
namespace {

struct FormatFile {
  PictureFormat format;
  std::string_view filter;
  std::string_view extension;
};
constexpr FormatFile kFormatFiles[] = {
    {PictureFormat::kPng, PURSO_TEXT("FileDialogs", "PNG Images (*.png)"), "png"},
    {PictureFormat::kSvg, PURSO_TEXT("FileDialogs", "SVG Drawings (*.svg)"), "svg"},
    {PictureFormat::kPdf, PURSO_TEXT("FileDialogs", "PDF Documents (*.pdf)"), "pdf"},
};
constexpr std::string_view kExportTitle = PURSO_TEXT("FileDialogs", "Export Chart");

// The name the window shows, without the file's extension.
QString AccountName(const CpursoPXFDoc& document) { return QString::fromStdString(StemOf(document.Title())); }

}  // namespace

void CpursoMainFrame::ExportChart(CpursoChildFrame& child) {
  CpursoPXFDoc& document = child.Document();
  // The natural size at first; the last choice after that.
  static ChartExportChoice last{PictureFormat::kPng, chart_picture::kArea.Width(), chart_picture::kArea.Height()};
  CExportChartDialog dialog(last);
  if (host_.RunModal(dialog) != kCommandOk) return;
  last = dialog.Choice();
  const FormatFile* file = &kFormatFiles[0];
  for (const FormatFile& candidate : kFormatFiles) {
    if (candidate.format == last.format) file = &candidate;
  }
  const QString name = AccountName(document);
  const QString proposed = UiText("FileDialogs", "%1 %2 chart").arg(name, QString::number(document.Book().GetYear())) +
                           QLatin1Char('.') + FromAccountText(file->extension);
  const std::string title = Translate("FileDialogs", kExportTitle);
  const std::string filter = Translate("FileDialogs", file->filter);
  const std::optional<std::string> path = host_.AskSaveFileName(
      {title, filter, file->extension, BesideAccount(document, proposed)});
  if (!path) return;
  const std::string accountName = ToAccountText(name);
  const QSize size(last.width, last.height);
  QByteArray bytes;
  switch (last.format) {
    case PictureFormat::kPng:
      bytes = chart_output::Png(child.View(), accountName, size);
      break;
    case PictureFormat::kPdf:
      bytes = chart_output::Pdf(child.View(), accountName, size);
      break;
    case PictureFormat::kSvg: {
      const std::string svg = chart_picture::Svg(child.View(), accountName, last.width, last.height);
      bytes = QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
      break;
    }
  }
  WriteFileOrReport(host_, *path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void CpursoMainFrame::PrintChart(CpursoChildFrame& child, PrintKind kind) {
  QPrinter printer(QPrinter::ScreenResolution);
  chart_output::PreparePrinter(printer);
  printer.setDocName(AccountName(child.Document()));
  const std::string accountName = ToAccountText(AccountName(child.Document()));
  CpursoPXFView& view = child.View();
  if (kind == PrintKind::kPreview) {
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    // Large enough to read the page at first sight.
    preview.resize(size() * 3 / 4);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&view, &accountName](QPrinter* target) { chart_output::Print(*target, view, accountName); });
    preview.exec();
    return;
  }
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  chart_output::Print(printer, view, accountName);
}

}  // namespace purso
