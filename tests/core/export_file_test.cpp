// Every export: the file the user picks, written safely, and what the user is told.
#include "core/export_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/world.h"

namespace {

namespace fs = std::filesystem;

// Written where the user said, under exactly that name, and told where in the program's words
// (the path's letters as the program can show them); a refusal says why and keeps what was
// there. A file whose name differs only in letter case stays as it was, a link at the name is
// replaced itself rather than written through, and the old file's permissions are kept.
TEST(ExportFile, WritesWhereTheUserSaidAndTellsWhereOrWhyNot) {
  TempFolder outside;
  outside.Write("SECRET", "keep");
  // The file chosen under the test's folder (empty: cancelled) and what the user is told, the
  // test's folder going after " : " (empty: nothing).
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"/Team report.csv", "Exported to : /Team report.csv"},
      {"/Report.csv", "Exported to : /Report.csv"},
      {"/Linked.csv", "Exported to : /Linked.csv"},
      {"/Private.csv", "Exported to : /Private.csv"},
      {"/R\xC3\xA9sum\xC3\xA9s/r.csv", "Exported to : /R\xE9sum\xE9s/r.csv"},
      {"/\xE6\x97\xA5/r.csv", "Exported to : /?/r.csv"},
      {"/FOLDER.csv", "Error exporting to : /FOLDER.csv\nA folder has that name."},
      {"/missing/r.csv", "Error exporting to : /missing/r.csv\nThe folder is not there."},
  };
  for (const auto& [chosen, said] : cases) {
    SCOPED_TRACE(chosen);
    World world(false);
    const std::string& home = world.folder.path();
    for (const char* folder : {"R\xC3\xA9sum\xC3\xA9s", "\xE6\x97\xA5", "FOLDER.csv"}) {
      fs::create_directory(fs::path(home) / folder);
    }
    world.folder.Write("report.csv", "other case");
    fs::create_symlink(outside.path() + "/SECRET", home + "/Linked.csv");
    world.folder.Write("Private.csv", "old");
    fs::permissions(home + "/Private.csv", fs::perms(0600));
    if (!chosen.empty()) world.dialogs.files.push_back(home + chosen);
    const bool written = said.starts_with("Exported");

    EXPECT_EQ(ExportFile(world.g, "Export Test", "AC/DC FAN.csv", CsvFiles, "a,b\r\n"), written);
    ASSERT_EQ(world.dialogs.fileQuestions.size(), 1u);
    // A "/" in a name would offer a path.
    EXPECT_EQ(world.dialogs.fileQuestions[0].suggestedName, "AC-DC FAN.csv");
    EXPECT_EQ(world.dialogs.fileQuestions[0].filter, "CSV files (*.csv)");
    if (written) {
      EXPECT_EQ(world.folder.Read(chosen.substr(1)), "a,b\r\n");
    }
    EXPECT_EQ(world.folder.Read("report.csv"), "other case");
    EXPECT_EQ(outside.Read("SECRET"), "keep");
    EXPECT_EQ(fs::status(home + "/Private.csv").permissions(), fs::perms(0600));
    EXPECT_TRUE(fs::is_directory(fs::path(home) / "FOLDER.csv"));
    std::vector<ScriptedDialogs::Box> told;
    if (!said.empty()) {
      told.push_back({std::string(said).insert(said.find(" : ") + 3, home), Buttons::OK,
                      written ? Icon::None : Icon::Exclamation, written ? "Export Test" : "Export Error"});
    }
    EXPECT_EQ(world.dialogs.boxes, told);
  }
}

}  // namespace
