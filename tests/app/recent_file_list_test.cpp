#include "app/recent_file_list.h"

#include <gtest/gtest.h>

namespace purso {
namespace {

TEST(RecentFileListTest, KeepsFourNewestFirstWithoutRepeats) {
  CMemorySettingsStore store;
  CRecentFileList list(store);
  for (const char* path : {"/a/one.pxf", "/a/two.pxf", "/a/three.pxf", "/a/four.pxf", "/a/five.pxf"}) list.Add(path);
  list.Add("/a/three.pxf");
  EXPECT_EQ(list.Files(), (std::vector<std::string>{"/a/three.pxf", "/a/five.pxf", "/a/four.pxf", "/a/two.pxf"}));
  EXPECT_EQ(store.Read("Recent File List", "File1"), "/a/three.pxf");
  EXPECT_EQ(store.Read("Recent File List", "File4"), "/a/two.pxf");

  // A list read back from the store is the same list.
  CRecentFileList again(store);
  EXPECT_EQ(again.Files(), list.Files());
}

TEST(RecentFileListTest, RemovingAFileClosesTheGapInTheStore) {
  CMemorySettingsStore store;
  CRecentFileList list(store);
  list.Add("/a/one.pxf");
  list.Add("/a/two.pxf");
  list.Remove("/a/two.pxf");
  EXPECT_EQ(list.Files(), (std::vector<std::string>{"/a/one.pxf"}));
  EXPECT_EQ(store.Read("Recent File List", "File1"), "/a/one.pxf");
  EXPECT_EQ(store.Read("Recent File List", "File2"), std::nullopt);
}

TEST(RecentFileListTest, MenuTextsNumberTheFilesAndTellSameNamesApart) {
  CMemorySettingsStore store;
  CRecentFileList list(store);
  list.Add("/home/ann/budget.pxf");
  list.Add("/home/bob/budget.pxf");
  list.Add("/home/bob/R&D.pxf");
  EXPECT_EQ(list.MenuText(0), "&1 R&&D.pxf");
  EXPECT_EQ(list.MenuText(1), "&2 /home/bob/budget.pxf");
  EXPECT_EQ(list.MenuText(2), "&3 /home/ann/budget.pxf");
}

}  // namespace
}  // namespace purso
