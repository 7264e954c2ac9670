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

// The persons as their file gives them back: the reader drops the blanks that may stand at the
// end of a name or a date, and a name whose date of birth is left empty.
std::vector<std::string> Readable(const PeopleDatabase& database) {
  std::vector<std::string> persons;
  for (int k = 0; k < database.Count; ++k) {
    std::string name = database.Persons[k].Name, dob = database.Persons[k].Dob;
    name.erase(name.find_last_not_of(" \t") + 1);
    dob.erase(dob.find_last_not_of(" \t") + 1);
    if (!dob.empty()) persons.push_back(name + "|" + dob);
  }
  return persons;
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
    ASSERT_TRUE(SaveDatabase(world.g, "AGAIN", database));
    PeopleDatabase reloaded;
    ASSERT_TRUE(LoadDatabase(world.g, "AGAIN", reloaded));
    ASSERT_EQ(Readable(reloaded), Readable(database)) << text;
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
  // Texts that are no date are kept, but never so that their line splits or runs on.
  const char* dates[] = {"7/4/1970", "12/01/1968", "some, day", "\"1/1/2000", "a\r\nb\"", " \" \"x"};
  for (int round = 0; round < 300; ++round) {
    PeopleDatabase database;
    for (int k = 0; k < 6; ++k) AddPerson(RandomText(random).substr(0, 12), dates[random() % std::size(dates)], database);
    ASSERT_TRUE(SaveDatabase(world.g, "ROUND", database));
    PeopleDatabase reloaded;
    ASSERT_TRUE(LoadDatabase(world.g, "ROUND", reloaded));
    ASSERT_EQ(reloaded.Count, database.Count);
    EXPECT_EQ(Readable(reloaded), Readable(database));
  }
}

}  // namespace
