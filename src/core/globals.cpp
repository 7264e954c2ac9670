#include "core/globals.h"

#include "platform/calendar.h"

GLOBAL::GLOBAL(Platform platform) : platform(std::move(platform)) {}

void InitDatabase(PeopleDatabase& database) {
  database.FileName = "PERSONAL.BDB";
  database.Count = 0;
  database.Modified = false;
}

void InitTeam(TeamRecord& team) {
  team.FileName = "PERSONAL.BTM";
  team.Count = 0;
  team.Modified = false;
  InitDatabase(team.Database);
}

std::string TodayText(const GLOBAL& g) { return WriteDate(g.platform.clock.Today()); }

void InitGlobals(GLOBAL& g, const std::string& dataFolder) {
  g.DataFolder = dataFolder;
  InitDatabase(g.ManagerDatabase);
  InitDatabase(g.IndividualDatabase);
  InitTeam(g.ManagerTeam);
  InitTeam(g.GroupTeam1);
  InitTeam(g.GroupTeam2);
  g.EventDate = TodayText(g);
  g.GroupStepDate = *ReadDate(g.EventDate);
  g.IndividualStepDate = g.GroupStepDate;
}
