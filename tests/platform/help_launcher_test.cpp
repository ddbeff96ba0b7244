#include "platform/help_launcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scripted_host.h"

namespace purso {
namespace {

using test::CScriptedHost;

TEST(HelpLauncherTest, OpensThePageFromTheProgramFolder) {
  struct Case {
    const char* program;
    const char* page;
    const char* pagePath;
    const char* folder;
  };
  const Case cases[] = {
      {"/opt/Tolva Apps/purso", "cat_dlg.htm", "/opt/Tolva Apps/cat_dlg.htm", "/opt/Tolva Apps/"},
      {"/home/Ann/Bin/PURSO", "Index.htm", "/home/Ann/Bin/Index.htm", "/home/Ann/Bin/"},
      {"/usr/bin/Purso", "set_dlg.htm", "/usr/bin/set_dlg.htm", "/usr/bin/"},
      {"/usr/bin/purso/purso", "main.htm", "/usr/bin/purso/main.htm", "/usr/bin/purso/"},
      {"/purso", "main.htm", "/main.htm", "/"},
      {"purso", "main.htm", "main.htm", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    CScriptedHost host;
    host.SetProgramPath(c.program);
    OpenHelpPage(host, c.page);
    EXPECT_EQ(host.OpenedDocuments(), std::vector<std::string>{c.pagePath});
    EXPECT_EQ(host.OpenedFolders(), std::vector<std::string>{c.folder});
  }
}

TEST(HelpLauncherTest, AProgramUnderAnotherNameOpensNothing) {
  for (const char* program : {"/usr/bin/purso-tool", "/usr/bin/other", "/usr/bin/xpurso", "/opt/purso/bin/tool",
                              "/opt/purso/", "purso.sh", ""}) {
    SCOPED_TRACE(program);
    CScriptedHost host;
    host.SetProgramPath(program);
    OpenHelpPage(host, "cat_dlg.htm");
    EXPECT_EQ(host.OpenedDocuments().size(), 0u);
    EXPECT_EQ(host.Problems().size(), 0u);
  }
}

}  // namespace
}  // namespace purso
