#include "support/world.h"

#include "core/cycle_tables.h"

World::World(Printer* paper, Desktop* screen, bool shippedData, bool samples)
    : g(Platform{screen ? *screen : desktop, dialogs, paper ? *paper : printer, clock, folder.path()}) {
  InitGlobals(g, folder.path());
  if (shippedData) {
    folder.AddShippedData(samples);
    LoadCycleTables(g);
  }
}

br_grp& World::OpenComparison(const std::string& team1, const std::string& team2) {
  g.GroupTeam1.FileName = team1;
  g.GroupTeam2.FileName = team2;
  panel->Command6.Click();
  return *panel->br_grp.get();
}

bool World::PickRow(ItemList& list, const std::string& start) {
  for (int row = 0; row < list.ListCount(); ++row) {
    if (list.List(row).starts_with(start)) {
      list.SetListIndex(row);
      return true;
    }
  }
  return false;
}

std::vector<std::string> World::Entries(const Person* first, int count) {
  std::vector<std::string> entries;
  for (int k = 0; k < count; ++k) entries.push_back(first[k].Name + "|" + first[k].Dob);
  return entries;
}

std::vector<std::string> World::Rows(const ItemList& list) {
  std::vector<std::string> rows;
  for (const ItemList::Item& item : list.Items()) rows.push_back(item.Text);
  return rows;
}
