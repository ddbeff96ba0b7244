// The help page launcher: opens one of the program's HTML help pages in
// whatever program the desktop associates with them.
//
// The pages are found through the program's own path, and only when its file
// is named "purso" (in any letter case, and only as the whole last component
// of the path): a program file under another name ("purso-tool", "other")
// opens nothing and reports nothing, so a tool that links the dialogs never
// opens stray pages. A page is taken from the first of these folders that
// holds it:
//   1. the program's own folder, where the build puts the pages beside the
//      program it builds;
//   2. the installed pages' folder, kInstalledHelpFolder seen from the
//      program's folder (an installed /usr/bin/purso: /usr/share/purso/help/).
// When neither holds it, the page beside the program is asked for all the
// same; whether it opens is not looked at. Folders are kept exactly as the
// path spells them, because Linux paths are case-sensitive.
#pragma once

#include <string_view>

#include "platform/host.h"

namespace purso {

// The installed pages' folder relative to the installed program's folder,
// as the build's install layout places them.
inline constexpr std::string_view kInstalledHelpFolder = PURSO_INSTALLED_HELP_FOLDER;

// Opens the page (a file name such as "set_dlg.htm"): "/opt/tolva/purso"
// opens "/opt/tolva/set_dlg.htm" working in "/opt/tolva/" when that page is
// there. A program path without a folder looks in the current folder (the
// working folder is then empty).
void OpenHelpPage(IHost& host, std::string_view page);

}  // namespace purso
