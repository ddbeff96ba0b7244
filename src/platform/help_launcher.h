// The help page launcher: opens one of the HTML help pages that lie beside
// the program, in whatever program the desktop associates with them.
//
// The page is looked for in the program's own folder, found through the
// program's file name "purso". That name is matched in any letter case, and
// only as the whole last component of the program path: a program file under
// another name ("purso-tool", "other") opens nothing and reports nothing, so
// a tool that links the dialogs never opens stray pages. The folder is kept
// exactly as the path spells it, because Linux paths are case-sensitive.
// Whether the page exists or opens is not looked at.
#pragma once

#include <string_view>

#include "platform/host.h"

namespace purso {

// Opens the page (a file name such as "set_dlg.htm") from the program's
// folder: "/opt/tolva/purso" opens "/opt/tolva/set_dlg.htm" working in
// "/opt/tolva/". A program path without a folder opens the bare page name in
// the current folder (the working folder is then empty).
void OpenHelpPage(IHost& host, std::string_view page);

}  // namespace purso
