// The cash flow chart as a picture of its own: what File > Export Chart...
// writes, what File > Print... prints and what purso-tool chart writes.
//
// The picture is the left part of the account view: the key figures and the
// chart exactly as the view paints them, with the account's name, the year
// and the charted months written where the view has its month buttons,
// which a picture cannot offer. Its natural size is that part of the view,
// 586 x 481 pixels; any other size is the same drawing scaled.
#pragma once

#include <string>
#include <string_view>

#include "app/account_view.h"
#include "platform/canvas.h"
#include "resources/translatable.h"

namespace purso::chart_picture {

// The part of the view's canvas the picture shows.
inline constexpr PixelRect kArea{0, 0, account_view::kOutstandingPanel.left, account_view::kWholeView.bottom};

// How the caption reads: "2024, months 01 to 12" (in the user's language).
inline constexpr std::string_view kMonthsCaption = PURSO_TEXT("ChartPicture", "%1, months %2 to %3");

// Draws the picture in the view's pixels, from the figures the view holds.
void Draw(ICanvas& canvas, CpursoPXFView& view, std::string_view accountName);

// The picture as an SVG document of width x height pixels.
std::string Svg(CpursoPXFView& view, std::string_view accountName, int width, int height);

}  // namespace purso::chart_picture
