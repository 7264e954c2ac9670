#include "people/database_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_data.h"
#include "support/world.h"

namespace {

TEST(LoadDatabase, ReadsPairsOfFieldsOrAsManyAsItCan) {
  const std::string big = NumberedPersonLines(32768, "01/01/2000");  // more than a database holds
  const struct {
    std::string contents;
    bool loaded;
    std::vector<std::string> persons;
  } cases[] = {
      {"", true, {}},
      {"BAKER LUCY\r\n3/14/1961\r\nO'NEIL PAT\r\n11/02/1975\r\n", true,
       {"BAKER LUCY|03/14/1961", "O'NEIL PAT|11/02/1975"}},
      {"\r\n\r\nBAKER LUCY\r03/14/1961\n", true, {"BAKER LUCY|03/14/1961"}},
      {"BAKER LUCY\r\n\r\nCOLE RAY\r\n12/01/1968\r\n", true, {"COLE RAY|12/01/1968"}},
      {"BAKER, LUCY\r\nCOLE RAY\r\n12/01/1968\r\n", true, {"BAKER|LUCY", "COLE RAY|12/01/1968"}},
      {"{}\r\n01/01/1990\r\nCOLE RAY\r\n12/01/1968\r\n", true, {"COLE RAY|12/01/1968"}},
      // Names upper-cased and cleaned, dates reformatted or kept as written when they are no date.
      {"\"o'Brien, Pat\"\r\n3/14/1961\r\n  Lee\tAnn  \r\nsomeday\r\n", true,
       {"O'BRIEN PAT|03/14/1961", "LEEANN|someday"}},
      // Written by other programs, in Latin-1 or UTF-8: the letters stay.
      {"Stra\xDF" "e \xC5nge\r\n1/1/1990\r\nN\xC3\xBA\xC3\xB1" "ez\r\n1/1/1990\r\n", true,
       {"STRASSE ANGE|01/01/1990", "NUNEZ|01/01/1990"}},
      {"BAKER LUCY\r\n\"SOME, DAY\"\r\n\"COLE RAY\" JR\r\n\" LA\r\nTER\"\r\nDEAN AL\r\n1/2/1980\r\n", true,
       {"BAKER LUCY|SOME DAY", "COLE RAY|LATER", "DEAN AL|01/02/1980"}},
      // A date of birth of blanks alone is kept as a text no date check passes.
      {"A\r\n\" \"\r\nB\r\n01/01/2000\r\n", true, {"A|--/--/----", "B|01/01/2000"}},
      {"BAKER LUCY\r\n03/14/1961\r\n\"COLE, RAY\r\n1/1/1990\r\n", false, {"BAKER LUCY|03/14/1961"}},
      {big, false, NumberedPersonEntries(32767, "01/01/2000")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.contents.substr(0, 40));
    World world(false);
    world.folder.Write("nfl.bdb", c.contents);
    PeopleDatabase database;
    EXPECT_EQ(LoadDatabase(world.g, "nfl", database), c.loaded);
    EXPECT_EQ(World::Entries(database), c.persons);
    EXPECT_EQ(database.FileName, "NFL.BDB");
    EXPECT_FALSE(database.Modified);
    const std::string error = "Error loading database : " + world.folder.path() + "/NFL.BDB";
    EXPECT_EQ(world.dialogs.Texts(), c.loaded ? std::vector<std::string>{} : std::vector{error});
  }
}

// A missing file is an error, and so is any name that leads outside the data folder: nothing
// there is read or written.
TEST(DatabaseFile, KeepsToTheDataFolder) {
  World world(false);
  world.folder.Write("X.BDB", "A\r\n01/01/1990\r\n");
  PeopleDatabase database;
  const std::string outside = "../" + std::filesystem::path(world.folder.path()).filename().string();
  for (const std::string& name : {std::string("MISSING"), outside + "/X"}) {
    EXPECT_FALSE(LoadDatabase(world.g, name, database)) << name;
    EXPECT_EQ(world.dialogs.boxes.back().title, "Database Error");
  }
  EXPECT_EQ(database.Count, 0);
  // Names upper-cased however the persons were set.
  AddPerson("COLE RAY", "03/14/1961", database);
  database.Persons[0].Name = "Cole Ray";
  ASSERT_TRUE(SaveDatabase(world.g, "NFL", database));
  EXPECT_EQ(world.folder.Read("NFL.BDB"), "COLE RAY\r\n03/14/1961\r\n");
  world.dialogs.boxes.clear();
  for (const char* name : {"../OUT", "A/B", "TAB\tNAME"}) {
    EXPECT_FALSE(SaveDatabase(world.g, name, database)) << name;
  }
  EXPECT_EQ(world.dialogs.boxes.size(), 3u);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(world.folder.path()).parent_path() / "OUT.BDB"));
}

}  // namespace
