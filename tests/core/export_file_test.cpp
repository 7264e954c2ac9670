// Every export: the file the user picks, written safely, and what the user is told.
#include "core/export_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/world.h"

namespace {

namespace fs = std::filesystem;

// Written where the user said, under that name, and told where in the program's words (the
// path's letters as the program can show them); a refusal says why and keeps what was there.
TEST(ExportFile, WritesWhereTheUserSaidAndTellsWhereOrWhyNot) {
  const struct {
    std::string chosen;  // under the test's folder; empty: cancelled
    std::string said;    // the test's folder goes after " : "; empty: nothing said
    const char* title;
  } cases[] = {
      {"", "", ""},
      {"/Team report.csv", "Exported to : /Team report.csv", "Export Test"},
      {"/R\xC3\xA9sum\xC3\xA9s/r.csv", "Exported to : /R\xE9sum\xE9s/r.csv", "Export Test"},
      {"/\xE6\x97\xA5/r.csv", "Exported to : /?/r.csv", "Export Test"},
      {"/FOLDER.csv", "Error exporting to : /FOLDER.csv\nA folder has that name.", "Export Error"},
      {"/missing/r.csv", "Error exporting to : /missing/r.csv\nThe folder is not there.",
       "Export Error"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen);
    World world(false);
    const std::string& home = world.folder.path();
    for (const char* folder : {"R\xC3\xA9sum\xC3\xA9s", "\xE6\x97\xA5", "FOLDER.csv"}) {
      fs::create_directory(fs::path(home) / folder);
    }
    if (!c.chosen.empty()) world.dialogs.files.push_back(home + c.chosen);
    const bool written = c.said.starts_with("Exported");

    EXPECT_EQ(ExportFile(world.g, "Export Test", "AC/DC FAN.csv", CsvFiles, "a,b\r\n"), written);
    ASSERT_EQ(world.dialogs.fileQuestions.size(), 1u);
    // A "/" in a name would offer a path.
    EXPECT_EQ(world.dialogs.fileQuestions[0].suggestedName, "AC-DC FAN.csv");
    EXPECT_EQ(world.dialogs.fileQuestions[0].filter, "CSV files (*.csv)");
    if (written) {
      EXPECT_EQ(world.folder.Read(c.chosen.substr(1)), "a,b\r\n");
    }
    EXPECT_TRUE(fs::is_directory(fs::path(home) / "FOLDER.csv"));
    std::vector<ScriptedDialogs::Box> told;
    if (!c.said.empty()) {
      const std::string said = std::string(c.said).insert(c.said.find(" : ") + 3, home);
      told.push_back({said, Buttons::OK, written ? Icon::None : Icon::Exclamation, c.title});
    }
    EXPECT_EQ(world.dialogs.boxes, told);
  }
}

}  // namespace
