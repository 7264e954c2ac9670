// Every export: the file the user picks, written safely, and what the user is told.
#include "core/export_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/world.h"

namespace {

namespace fs = std::filesystem;

// Written where the user said, under that name; told where in the program's words, the
// path's letters shown as the program can show them. A refusal says why and keeps the old file.
TEST(ExportFile, WritesWhereTheUserSaidAndTellsWhereOrWhyNot) {
  const struct {
    std::string chosen;         // under the test's folder; empty: cancelled
    const char* message;        // under the test's folder where a path stands
    const char* title;
    bool written;
  } cases[] = {
      {"", "", "", false},
      {"/Team report.csv", "Exported to : /Team report.csv", "Export Test", true},
      {"/R\xC3\xA9sum\xC3\xA9s/r.csv", "Exported to : /R\xE9sum\xE9s/r.csv", "Export Test", true},
      {"/\xE6\x97\xA5\xE6\x9C\xAC/r.csv", "Exported to : /?" "?/r.csv", "Export Test", true},
      {"/FOLDER.csv", "Error exporting to : /FOLDER.csv\nA folder has that name.", "Export Error",
       false},
      {"/missing/r.csv", "Error exporting to : /missing/r.csv\nThe folder is not there.",
       "Export Error", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen);
    World world(false);
    const std::string& home = world.folder.path();
    for (const char* folder : {"R\xC3\xA9sum\xC3\xA9s", "\xE6\x97\xA5\xE6\x9C\xAC", "FOLDER.csv"}) {
      fs::create_directory(fs::path(home) / folder);
    }
    if (!c.chosen.empty()) world.dialogs.files.push_back(home + c.chosen);

    EXPECT_EQ(ExportFile(world.g, "Export Test", "AC/DC FAN.csv", CsvFiles, "a,b\r\n"), c.written);
    ASSERT_EQ(world.dialogs.fileQuestions.size(), 1u);
    const auto& asked = world.dialogs.fileQuestions[0];
    EXPECT_EQ(asked.title, "Export Test");
    // A "/" in a name would offer a path.
    EXPECT_EQ(asked.suggestedName, "AC-DC FAN.csv");
    EXPECT_EQ(asked.filter, "CSV files (*.csv)");
    EXPECT_TRUE(asked.save);
    if (c.written) {
      EXPECT_EQ(world.folder.Read(c.chosen.substr(1)), "a,b\r\n");
    }
    if (!*c.message) {
      EXPECT_THAT(world.dialogs.boxes, testing::IsEmpty());
      continue;
    }
    ASSERT_EQ(world.dialogs.boxes.size(), 1u);
    std::string expected = c.message;
    expected.insert(expected.find(" : ") + 3, home);
    EXPECT_EQ(world.dialogs.boxes[0].text, expected);
    EXPECT_EQ(world.dialogs.boxes[0].title, c.title);
    EXPECT_EQ(world.dialogs.boxes[0].icon, c.written ? Icon::None : Icon::Exclamation);
    EXPECT_TRUE(fs::is_directory(fs::path(home) / "FOLDER.csv"));
  }
}

}  // namespace
