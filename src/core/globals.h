// The program-wide state: the records every window works on, the cycle tables, the event
// dates and the hand-over values between windows. The windows themselves are held by the
// window that opens them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/calendar.h"

class Desktop;
class Dialogs;
class Printer;

struct Person {
  std::string Name;  // upper case, cleaned
  std::string Dob;   // "mm/dd/yyyy" as text
};

struct PeopleDatabase {
  std::vector<Person> Persons;  // person k is Persons[k - 1]
  std::int16_t Count = 0;
  std::string FileName;
  bool Modified = false;
};

struct TeamRecord {
  static constexpr int MaxMembers = 25;
  std::array<Person, 51> Members;  // slots 1..Count; slot 0 unused
  std::int16_t Count = 0;
  std::string FileName;
  PeopleDatabase Database;
  bool Modified = false;
};

// The lengths of the three cycles, in days.
inline constexpr int PhysicalLength = 23;
inline constexpr int EmotionalLength = 28;
inline constexpr int IntellectualLength = 33;
// The three in the order the pictures draw them (see CycleInks).
inline constexpr int CycleLengths[3] = {PhysicalLength, EmotionalLength, IntellectualLength};

// A cycle's tables: entries 1..L (slot 0 unused).
template <int L>
using SymbolTable = std::array<char, L + 1>;
template <int L>
using ScaleTable = std::array<double, L + 1>;

// What the program uses of the platform.
struct Platform {
  Desktop& desktop;
  Dialogs& dialogs;
  Printer& printer;
  const Clock& clock;
  // The folder start-up chose for the data files; InitGlobals makes it the DataFolder.
  std::string dataFolder;
};

struct GLOBAL {
  explicit GLOBAL(Platform platform);
  GLOBAL(const GLOBAL&) = delete;
  GLOBAL& operator=(const GLOBAL&) = delete;

  Platform platform;

  std::string DataFolder;

  SymbolTable<PhysicalLength> PhysicalSymbols{};
  SymbolTable<EmotionalLength> EmotionalSymbols{};
  SymbolTable<IntellectualLength> IntellectualSymbols{};
  ScaleTable<PhysicalLength> PhysicalScale{};
  ScaleTable<EmotionalLength> EmotionalScale{};
  ScaleTable<IntellectualLength> IntellectualScale{};

  std::string EventDate;
  Date GroupStepDate;
  Date IndividualStepDate;
  std::string LeaguePreset;

  PeopleDatabase ManagerDatabase;
  PeopleDatabase IndividualDatabase;
  TeamRecord ManagerTeam;
  TeamRecord GroupTeam1;
  TeamRecord GroupTeam2;

  std::int16_t GroupEmoUp1 = 0;
  std::int16_t GroupEmoDown1 = 0;
  std::int16_t GroupEmoUp2 = 0;
  std::int16_t GroupEmoDown2 = 0;

  std::string EntryName;
  std::string EntryDob;
  bool EntryAccepted = false;
  std::int16_t EntryMode = 0;
  std::int16_t EntryIndex = 0;

  std::int16_t InsertRow = 0;
};

// Gives every record and variable its starting value: the data folder, empty personal
// databases and teams, the event dates set to today.
void InitGlobals(GLOBAL& g, const std::string& dataFolder);
void InitDatabase(PeopleDatabase& database);
void InitTeam(TeamRecord& team);

// Today written "mm/dd/yyyy".
std::string TodayText(const GLOBAL& g);
