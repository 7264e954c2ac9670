// Random and truncated files through every reader: each gives a loaded record or its error
// message, never a crash or a read out of bounds (the tests run under the sanitizers).
#include <gtest/gtest.h>

#include <random>

#include "core/field_reader.h"
#include "people/database_file.h"
#include "support/world.h"
#include "teams/team_file.h"

namespace {

std::string RandomText(std::mt19937& random) {
  static const std::string alphabet = "AB ,\"\r\n\t01/9-.[]\xE5";
  std::string text(random() % 200, ' ');
  for (char& c : text) c = alphabet[random() % alphabet.size()];
  return text;
}

TEST(Readers, SurviveRandomAndTruncatedFiles) {
  World world(false);
  world.folder.Write("NFL.BDB", "ADAMS JOE\r\n07/04/1970\r\n");
  std::mt19937 random(20051215);
  const std::string good = "NFL.BDB\r\nADAMS JOE\r\n07/04/1970\r\n\"COLE, RAY\"\r\n12/01/1968\r\n";
  for (int round = 0; round < 3000; ++round) {
    const std::string text = round % 2 ? RandomText(random) : good.substr(0, random() % good.size());
    FieldReader reader(text);
    size_t fields = 0;
    while (!reader.AtEnd()) {
      reader.Next();
      ASSERT_LE(++fields, text.size() + 1);
    }
    world.folder.Write("FUZZ.BDB", text);
    world.folder.Write("FUZZ.BTM", text);
    world.dialogs.boxes.clear();
    PeopleDatabase database;
    const bool loaded = LoadDatabase(world.g, "FUZZ", database);
    EXPECT_EQ(world.dialogs.boxes.empty(), loaded);
    for (int k = 0; k < database.Count; ++k) EXPECT_FALSE(database.Persons[k].Name.empty());
    world.dialogs.boxes.clear();
    TeamRecord team;
    if (!LoadTeam(world.g, "FUZZ", team)) {
      ASSERT_FALSE(world.dialogs.boxes.empty());
      EXPECT_EQ(world.dialogs.boxes.back().title, "Team Error");
    }
    EXPECT_LE(team.Count, 25);
  }
}

TEST(Readers, SaveAndReloadNeverShiftNamesAndDates) {
  World world(false);
  std::mt19937 random(42);
  const char* dates[] = {"7/4/1970", "12/01/1968", "someday", "1/1/2000"};
  for (int round = 0; round < 300; ++round) {
    PeopleDatabase database;
    for (int k = 0; k < 6; ++k) AddPerson(RandomText(random).substr(0, 12), dates[random() % 4], database);
    ASSERT_TRUE(SaveDatabase(world.g, "ROUND", database));
    PeopleDatabase reloaded;
    ASSERT_TRUE(LoadDatabase(world.g, "ROUND", reloaded));
    ASSERT_EQ(reloaded.Count, database.Count);
    for (int k = 0; k < database.Count; ++k) {
      // The reader drops the blanks that cleaning may leave at the end of a name.
      std::string name = database.Persons[k].Name;
      name.erase(name.find_last_not_of(' ') + 1);
      EXPECT_EQ(reloaded.Persons[k].Name, name);
      EXPECT_EQ(reloaded.Persons[k].Dob, database.Persons[k].Dob);
    }
  }
}

}  // namespace
