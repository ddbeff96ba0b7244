#include "resources/change_year_dialog_resource.h"

#include <string_view>

namespace purso::change_year_dialog {
namespace {
using enum ControlKind;
using namespace control_style;
constexpr std::string_view kYearItems[] = {
    "1998", "1999", "2000", "2001", "2002", "2003", "2004", "2005", "2006", "2007", "2008", "2009", "2010", "2011",
    "2012", "2013", "2014", "2015", "2016", "2017", "2018", "2019", "2020", "2021", "2022", "2023", "2024",
};
constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, "Year:", 7, 10, 24, 8},
    {kDropDownList, kYears, "", 35, 7, 52, 14, kSorted, kYearItems},
    {kPushButton, kOk, "OK", 94, 7, 50, 14, kDefault},
};
}  // namespace

// The title keeps its trailing blank.
const DialogResource kResource{kDialogId, "Change Year ", 151, 28, "MS Sans Serif", 8, kControls};

}  // namespace purso::change_year_dialog
