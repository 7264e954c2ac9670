#include "people/person_import.h"

#include <gtest/gtest.h>

#include "people/database_file.h"
#include "support/world.h"

namespace {

std::string Described(const ImportChoices& choices) {
  static const char* orders[] = {"m/d/y", "d/m/y", "y-m-d"};
  const NameColumns& name = choices.name;
  const DateColumns& date = choices.date;
  std::string text = choices.header ? "header" : "no header";
  const auto at = [](int column) { return ' ' + std::to_string(column); };
  text += name.whole >= 0 ? ", name" + at(name.whole) : ", last" + at(name.last) + " first" + at(name.first);
  text += date.whole >= 0 ? ", date" + at(date.whole) + " " + orders[static_cast<int>(date.order)]
                          : ", year" + at(date.year) + " month" + at(date.month) + " day" + at(date.day);
  return text;
}

TEST(GuessChoices, ReadsTheHeadingsElseTheData) {
  const struct {
    std::string file;
    std::string choices;
  } cases[] = {
      {"Name,Born\nJos\xC3\xA9 N\xC3\xBA\xC3\xB1" "ez,3/31/1990\n", "header, name 0, date 1 m/d/y"},
      {"Player;DOB\nLee;31.03.1990\nRay;01.02.1990\n", "header, name 0, date 1 d/m/y"},
      // The separator that splits the first records alike, wherever else the others stand.
      {"Name\tBorn\nLee\t1/2/1990\n", "header, name 0, date 1 m/d/y"},
      {"Nunez, Jose;31.03.1990\nLee, Ann;01.02.1990\n", "no header, name 0, date 1 d/m/y"},
      {"\"Nunez; Jose\",1/2/1990\n\"Lee; Ann\",1/2/1990\n", "no header, name 0, date 1 m/d/y"},
      {"Full name,Team,Date of birth (yyyy-mm-dd)\nLee,Comets,1990-03-31\n",
       "header, name 0, date 2 y-m-d"},
      {"Surname,Given name,Year,Month,Day\nNunez,Jose,1990,3,31\n",
       "header, last 0 first 1, year 2 month 3 day 4"},
      // Without headings: the date column the data shows, day first when a first part passes 12.
      {"Doe Jane,1/2/1990\nRoe Al,25/12/1985\n", "no header, name 0, date 1 d/m/y"},
      {"12/01/1990,7,Lee Ann\n", "no header, name 2, date 0 m/d/y"},
      // A person named like a heading is still a person; a first row without digits where the
      // rest have dates names the columns.
      {"Day,04/03/1922\nLee,01/01/1950\n", "no header, name 0, date 1 m/d/y"},
      {"Nom,Geburtsdatum\nLee,1/2/1990\n", "header, name 0, date 1 m/d/y"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Described(GuessChoices(ReadImportTable(c.file).records)), c.choices) << c.file;
  }
}

// Each row as "line:NAME|DOB|why skipped".
std::vector<std::string> Rows(const ImportPlan& plan) {
  std::vector<std::string> rows;
  for (const ImportRow& row : plan.rows) {
    rows.push_back(std::to_string(row.line) + ":" + row.person.Name + "|" + row.person.Dob + "|" +
                   row.reason);
  }
  return rows;
}

TEST(PlanImport, AddsTheRowsTheDetailsDialogWouldAcceptAndSaysWhyItSkipsTheOthers) {
  const struct {
    std::string file;
    std::vector<std::string> rows;
    std::string summary;
  } cases[] = {
      {"Name,Born\r\nJos\xC3\xA9 N\xC3\xBA\xC3\xB1" "ez,3/31/1990\r\n,1/1/1990\r\nAnn Lee,\r\n"
       "Bob Ray,3/1990\r\nCy Dee,2/30/1990\r\nDi Eve,6/16/2005\r\ndoe jane,1/2/1980\r\n"
       "jose nunez,03/31/1990\r\n{|},1/1/1990\r\n,,\r\n\"Ed \"\"Fast\"\"\r\nFox\",6/15/2005\r\n",
       {"2:JOSE NUNEZ|03/31/1990|", "3:|01/01/1990|no name", "4:ANN LEE||no date of birth",
        "5:BOB RAY|3/1990|3/1990 is not a valid date", "6:CY DEE|2/30/1990|2/30/1990 is not a valid date",
        "7:DI EVE|6/16/2005|born after today (6/16/2005)", "8:DOE JANE|01/02/1980|already in the database",
        "9:JOSE NUNEZ|03/31/1990|already imported from line 2",
        "10:|01/01/1990|\"{|}\" holds no plain letter (A to Z), digit or sign",
        "12:ED \"FAST\"FOX|06/15/2005|"},
       "2 people added, 8 rows skipped"},
      {"Last name;First name;Year;Month;Day\nN\xFA\xF1" "ez;Jos\xE9;1990;3;31\nLee;;1990;3;\n;Ann;;;\n",
       {"2:NUNEZ JOSE|03/31/1990|", "3:LEE|1990-3-|the date of birth has no day", "4:ANN||no date of birth"},
       "1 person added, 2 rows skipped"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    World world(false);
    PeopleDatabase database;
    AddPerson("DOE JANE", "01/02/1980", database);
    const ImportTable table = ReadImportTable(c.file);
    const ImportPlan plan = PlanImport(world.g, table.records, GuessChoices(table.records), database);
    EXPECT_EQ(Rows(plan), c.rows);
    EXPECT_EQ(ImportSummary(plan), c.summary);
  }
}

TEST(ReadImportTable, RefusesAFileFarLargerThanAnyDatabase) {
  const std::string huge(LargestImportFile + 1, 'a');
  const ImportTable table = ReadImportTable(huge);
  EXPECT_TRUE(table.tooLarge);
  EXPECT_TRUE(table.records.empty());
}

}  // namespace
