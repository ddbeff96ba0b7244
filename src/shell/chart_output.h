// The cash flow chart out of the program through Qt: a PNG image or a PDF
// page of a chosen size, and a printed page.
//
// Every form draws the chart picture (app/chart_picture.h) through the
// screen's canvas, scaled to fit its target and centred, on a device of the
// screen's resolution, so that its texts measure as they do on screen and
// the labels end where the drawing puts them. The PDF and the printed page
// stay drawings (lines and text), not images. The SVG form needs no Qt and
// is chart_picture::Svg.
#pragma once

#include <QByteArray>
#include <QSize>

#include <string_view>

class QPrinter;

namespace purso {

class CpursoPXFView;

namespace chart_output {

// The picture as the bytes of a PNG file or of a one-page PDF file of that
// size in pixels (a PDF pixel being 1/96 inch).
QByteArray Png(CpursoPXFView& view, std::string_view accountName, QSize size);
QByteArray Pdf(CpursoPXFView& view, std::string_view accountName, QSize size);

// Prints the picture on one page of the printer, fitted within its margins.
void Print(QPrinter& printer, CpursoPXFView& view, std::string_view accountName);

// A printer that draws at the screen's resolution, on landscape paper.
void PreparePrinter(QPrinter& printer);

}  // namespace chart_output
}  // namespace purso
