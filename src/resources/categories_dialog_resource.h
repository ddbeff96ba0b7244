// Dialog resource of the Categories dialog, which edits the current year's
// categories: an add row and an update row (name, object, functional area,
// type, budget), the list of categories with their budgets, the year's
// budget totals, and the ways to the objects, the functional areas and a
// fixed category's predactions.
#pragma once

#include <string_view>

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/translatable.h"

namespace purso::categories_dialog {

inline constexpr int kDialogId = dialog_id::kCategories;
inline constexpr int kAddName = 1024;
inline constexpr int kUpdateName = 1025;
inline constexpr int kAddObject = 1026;
inline constexpr int kUpdateObject = 1027;
inline constexpr int kAddFunctionalArea = 1028;
inline constexpr int kUpdateFunctionalArea = 1029;
inline constexpr int kAddType = 1030;
inline constexpr int kUpdateType = 1031;
inline constexpr int kAddBudget = 1032;
inline constexpr int kUpdateBudget = 1033;
inline constexpr int kAdd = 1034;
inline constexpr int kUpdate = 1035;
inline constexpr int kCategories = 1037;
inline constexpr int kRemove = 1038;
inline constexpr int kPredactions = 1006;
inline constexpr int kObjects = 1007;
inline constexpr int kFunctionalAreas = 1008;
inline constexpr int kHelp = 1036;
inline constexpr int kDone = 1;
inline constexpr int kCount = 1042;
inline constexpr int kTotalIncome = 1039;
inline constexpr int kTotalExpenses = 1040;
inline constexpr int kBalanceLabel = 1055;
inline constexpr int kBalance = 1041;

// The type lists hold the four types; sorted, an item's position is its type code.
inline constexpr std::string_view kTypes[] = {
    PURSO_TEXT("CategoriesDialog", "Fix In"), PURSO_TEXT("CategoriesDialog", "Var In"),
    PURSO_TEXT("CategoriesDialog", "Fix Ex"), PURSO_TEXT("CategoriesDialog", "Var Ex")};

// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
// The two input rows under one row of headings, each with its button at
// the right; the list below them is wide enough for its 470-pixel rows,
// with the other buttons beside it and the totals under it.
inline constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, PURSO_TEXT("CategoriesDialog", "Name"), 7, 7, 90, 8},
    {kLabel, kNoControlId, PURSO_TEXT("CategoriesDialog", "Object"), 103, 7, 66, 8},
    {kLabel, kNoControlId, PURSO_TEXT("CategoriesDialog", "Functional Area"), 173, 7, 66, 8},
    {kLabel, kNoControlId, PURSO_TEXT("CategoriesDialog", "Type"), 243, 7, 44, 8},
    {kLabel, kNoControlId, PURSO_TEXT("CategoriesDialog", "Budget"), 291, 7, 58, 8},

    {kEdit, kAddName, "", 7, 17, 92, 12},
    {kDropDownList, kAddObject, "", 103, 17, 66, 12, kSorted},
    {kDropDownList, kAddFunctionalArea, "", 173, 17, 66, 12, kSorted},
    {kDropDownList, kAddType, "", 243, 17, 44, 12, kSorted, kTypes},
    {kEdit, kAddBudget, "", 291, 17, 58, 12},
    {kPushButton, kAdd, PURSO_TEXT("CategoriesDialog", "&Add"), 355, 16, 54, 14, kDefault},

    {kEdit, kUpdateName, "", 7, 34, 92, 12, kDisabled},
    {kDropDownList, kUpdateObject, "", 103, 34, 66, 12, kSorted | kDisabled},
    {kDropDownList, kUpdateFunctionalArea, "", 173, 34, 66, 12, kSorted | kDisabled},
    {kDropDownList, kUpdateType, "", 243, 34, 44, 12, kSorted | kDisabled, kTypes},
    {kEdit, kUpdateBudget, "", 291, 34, 58, 12, kDisabled},
    {kPushButton, kUpdate, PURSO_TEXT("CategoriesDialog", "&Update"), 355, 33, 54, 14, kDisabled},

    {kColumnList, kCategories, "", 7, 54, 342, 150, kSorted | kVScroll},
    {kPushButton, kRemove, PURSO_TEXT("CategoriesDialog", "&Remove"), 355, 54, 54, 14, kDisabled},
    {kPushButton, kPredactions, PURSO_TEXT("CategoriesDialog", "&Predactions"), 355, 72, 54, 14, kDisabled},
    {kPushButton, kObjects, PURSO_TEXT("CategoriesDialog", "&Objects"), 355, 96, 54, 14},
    {kPushButton, kFunctionalAreas, PURSO_TEXT("CategoriesDialog", "&Fun. Areas"), 355, 114, 54, 14},
    {kPushButton, kHelp, PURSO_TEXT("CategoriesDialog", "&Help"), 355, 172, 54, 14},
    {kPushButton, kDone, PURSO_TEXT("CategoriesDialog", "&Done"), 355, 190, 54, 14},

    {kLabel, kNoControlId, PURSO_TEXT("CategoriesDialog", "Count"), 7, 210, 40, 8},
    {kLabel, kCount, "", 7, 220, 40, 12, kSunken | kRight},
    {kLabel, kNoControlId, PURSO_TEXT("CategoriesDialog", "Total Income"), 55, 210, 90, 8},
    {kLabel, kTotalIncome, "", 55, 220, 90, 12, kSunken | kRight},
    {kLabel, kNoControlId, PURSO_TEXT("CategoriesDialog", "Total Expenses"), 153, 210, 90, 8},
    {kLabel, kTotalExpenses, "", 153, 220, 90, 12, kSunken | kRight},
    {kLabel, kBalanceLabel, PURSO_TEXT("CategoriesDialog", "Budget ???"), 259, 210, 90, 8},
    {kLabel, kBalance, "", 259, 220, 90, 12, kSunken | kRight},
};

// Enter in the update row updates.
inline constexpr EnterRoute kEnterRoutes[] = {{kUpdateName, kUpdate},
                                              {kUpdateObject, kUpdate},
                                              {kUpdateFunctionalArea, kUpdate},
                                              {kUpdateType, kUpdate},
                                              {kUpdateBudget, kUpdate}};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("CategoriesDialog", "Categories"),
                                          416,
                                          240,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          table::kEnterRoutes,
                                          "CategoriesDialog"};

}  // namespace purso::categories_dialog
