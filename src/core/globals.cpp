#include "core/globals.h"

#include "app/br_about.h"
#include "app/br_cp.h"
#include "charts/br_grp.h"
#include "charts/br_ind.h"
#include "people/br_db.h"
#include "platform/calendar.h"
#include "teams/br_tm.h"

GLOBAL::GLOBAL(Platform platform) : platform(std::move(platform)) {}

// Out of line: destroying the window references needs every window's class.
GLOBAL::~GLOBAL() = default;

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
