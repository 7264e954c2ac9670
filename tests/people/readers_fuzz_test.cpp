// Random and truncated files through every reader: each gives a loaded record or its error
// message, never a crash or a read out of bounds (the tests run under the sanitizers).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "people/database_file.h"
#include "people/person_import.h"
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

// Each database read is saved with one person more, whose date of birth may be a text that is no
// date, and read back: the same persons come, never a line split or run on.
TEST(Readers, SurviveRandomAndTruncatedFiles) {
  World world(false);
  world.folder.Write("NFL.BDB", "ADAMS JOE\r\n07/04/1970\r\n");
  std::mt19937 random(20051215);
  const std::string good = "NFL.BDB\r\nADAMS JOE\r\n07/04/1970\r\n\"COLE, RAY\"\r\n12/01/1968\r\n";
  const char* dates[] = {"7/4/1970", "12/01/1968", "some, day", "\"1/1/2000", "a\r\nb\"", " \" \"x"};
  for (int round = 0; round < 3000; ++round) {
    const std::string text = round % 2 ? RandomText(random) : good.substr(0, random() % good.size());
    world.folder.Write("FUZZ.BDB", text);
    world.folder.Write("FUZZ.BTM", text);
    world.dialogs.boxes.clear();
    PeopleDatabase database;
    const bool loaded = LoadDatabase(world.g, "FUZZ", database);
    EXPECT_EQ(world.dialogs.boxes.empty(), loaded);
    for (int k = 0; k < database.Count; ++k) EXPECT_FALSE(database.Persons[k].Name.empty());
    AddPerson(RandomText(random).substr(0, 12), dates[random() % std::size(dates)], database);
    ASSERT_TRUE(SaveDatabase(world.g, "AGAIN", database));
    PeopleDatabase reloaded;
    ASSERT_TRUE(LoadDatabase(world.g, "AGAIN", reloaded));
    ASSERT_EQ(Readable(reloaded), Readable(database)) << text;
    world.dialogs.boxes.clear();
    TeamRecord team;
    if (!LoadTeam(world.g, "FUZZ", team)) {
      EXPECT_THAT(world.dialogs.TitledTexts(), testing::Contains(testing::StartsWith("Team Error: ")));
    }
    EXPECT_LE(team.Count, 25);
  }
}

// Random bytes, and a CSV file with bytes changed, added and taken out, through the import:
// every row is added or skipped with its reason, the counts add up, and the database gains
// exactly the persons added.
TEST(Readers, ImportSurvivesRandomAndMutatedFiles) {
  World world(false);
  std::mt19937 random(19900331);
  const std::string good =
      "\xEF\xBB\xBFName;Born;Year;Month;Day\r\n"
      "\"N\xC3\xBA\xC3\xB1" "ez, Jos\xC3\xA9\";31.03.1990;1990;3;31\r\nLee Ann;3/1990;1990;;\r\n"
      "\"two\r\nlines \"\"x\"\"\";01.01.2000;2000;1;1\r\n,,,\r\nLee Ann;3/1/1990;1;1;1\r\n";
  for (int round = 0; round < 2000; ++round) {
    std::string text = good;
    if (round % 2) {
      text.resize(random() % 300);
      for (char& c : text) c = static_cast<char>(random());
    } else {
      for (int k = random() % 6; k >= 0; --k) {
        const size_t at = random() % (text.size() + 1);
        const char c = "\";,\r\n \xC3\xE9/.-1"[random() % 12];
        if (random() % 2) text.insert(at, 1, c);
        else if (at < text.size()) text[at] = c;
        else text.erase(random() % text.size(), 1);
      }
    }
    const ImportTable table = ReadImportTable(text);
    ImportChoices choices = GuessChoices(table.records);
    if (round % 3 == 0) {
      choices.header = random() % 2;
      for (int* column : {&choices.name.whole, &choices.name.last, &choices.name.first,
                          &choices.date.whole, &choices.date.year, &choices.date.month, &choices.date.day}) {
        *column = static_cast<int>(random() % 7) - 2;
      }
      choices.date.order = static_cast<DateOrder>(random() % 3);
    }
    PeopleDatabase database;
    AddPerson("LEE ANN", "03/01/1990", database);
    const ImportPlan plan = PlanImport(world.g, table.records, choices, database);
    ASSERT_EQ(static_cast<size_t>(plan.added + plan.skipped), plan.rows.size()) << text;
    for (const ImportRow& row : plan.rows) {
      EXPECT_TRUE(!row.reason.empty() || !row.person.Name.empty()) << text;
    }
    EXPECT_EQ(ApplyImport(plan, database), plan.added);
    ASSERT_EQ(database.Count, 1 + plan.added);
    EXPECT_EQ(database.Persons.front().Name, "LEE ANN");
  }
}

}  // namespace
