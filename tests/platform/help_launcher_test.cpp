#include "platform/help_launcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/scratch_folder.h"
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

using HelpFolderTest = test::ScratchFolderTest;

TEST_F(HelpFolderTest, PagesBesideTheProgramComeFirstThenTheInstalledOnes) {
  namespace fs = std::filesystem;
  const fs::path bin = folder_ / "bin";
  const fs::path installed = (bin / kInstalledHelpFolder).lexically_normal();
  fs::create_directories(installed);
  fs::create_directories(bin);
  test::WriteRaw(installed / "main.htm", {'<'});
  test::WriteRaw(installed / "cat_dlg.htm", {'<'});
  test::WriteRaw(bin / "cat_dlg.htm", {'<'});

  CScriptedHost host;
  host.SetProgramPath((bin / "purso").string());
  OpenHelpPage(host, "main.htm");
  OpenHelpPage(host, "cat_dlg.htm");
  OpenHelpPage(host, "set_dlg.htm");  // in neither folder
  const std::string binFolder = bin.string() + "/";
  const std::string helpFolder = installed.string() + "/";
  EXPECT_EQ(host.OpenedDocuments(),
            (std::vector<std::string>{helpFolder + "main.htm", binFolder + "cat_dlg.htm", binFolder + "set_dlg.htm"}));
  EXPECT_EQ(host.OpenedFolders(), (std::vector<std::string>{helpFolder, binFolder, binFolder}));
}

}  // namespace
}  // namespace purso
