// Dialog resource of the Change Year dialog, which chooses the account's
// current year. The drop-down comes with the 102 years "1998" to "2099" in
// order, so an item's position is its year index. There is no Cancel button:
// Escape and the close box cancel.
#pragma once

#include <iterator>
#include <string_view>

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/translatable.h"

namespace purso::change_year_dialog {

inline constexpr int kDialogId = dialog_id::kChangeYear;
inline constexpr int kYears = 1105;
inline constexpr int kOk = 1;

// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
inline constexpr std::string_view kYearItems[] = {
    "1998", "1999", "2000", "2001", "2002", "2003", "2004", "2005", "2006", "2007", "2008", "2009", "2010",
    "2011", "2012", "2013", "2014", "2015", "2016", "2017", "2018", "2019", "2020", "2021", "2022", "2023",
    "2024", "2025", "2026", "2027", "2028", "2029", "2030", "2031", "2032", "2033", "2034", "2035", "2036",
    "2037", "2038", "2039", "2040", "2041", "2042", "2043", "2044", "2045", "2046", "2047", "2048", "2049",
    "2050", "2051", "2052", "2053", "2054", "2055", "2056", "2057", "2058", "2059", "2060", "2061", "2062",
    "2063", "2064", "2065", "2066", "2067", "2068", "2069", "2070", "2071", "2072", "2073", "2074", "2075",
    "2076", "2077", "2078", "2079", "2080", "2081", "2082", "2083", "2084", "2085", "2086", "2087", "2088",
    "2089", "2090", "2091", "2092", "2093", "2094", "2095", "2096", "2097", "2098", "2099",
};
static_assert(std::size(kYearItems) == 102);
inline constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, PURSO_TEXT("ChangeYearDialog", "Year:"), 7, 10, 24, 8},
    {kDropDownList, kYears, "", 35, 7, 52, 14, kSorted, kYearItems},
    {kPushButton, kOk, PURSO_TEXT("ChangeYearDialog", "OK"), 94, 7, 50, 14, kDefault},
};
}  // namespace table

// The title keeps its trailing blank.
inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("ChangeYearDialog", "Change Year "),
                                          151,
                                          28,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          {},
                                          "ChangeYearDialog"};

}  // namespace purso::change_year_dialog
