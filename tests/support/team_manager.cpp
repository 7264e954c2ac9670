#include "support/team_manager.h"

#include <algorithm>
#include <cctype>

void TeamManager::SetUpOn(Disk disk) {
  if (disk == Disk::CaseBlind) {
    blind_.emplace(folder.path());
    if (!blind_->Mounted()) return;
  }
  const auto store = [&](std::string name, const std::string& contents) {
    if (disk == Disk::CaseBlind) {
      for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    folder.Write(name, contents);
  };
  store("PERSONAL.BDB", "ZED\r\n05/05/1950\r\n");
  store("PERSONAL.BTM", "PERSONAL.BDB\r\n");
  store("PEOPLE.BDB",
        "DIXON\r\n04/04/1970\r\nCLARK\r\n03/03/1970\r\nBROWN\r\n02/02/1970\r\n"
        "ADAMS\r\n01/01/1970\r\n");
  store("ABC.BTM",
        "PEOPLE.BDB\r\nADAMS\r\n01/01/1970\r\nBROWN\r\n02/02/1970\r\nCLARK\r\n03/03/1970\r\n");
  store("PGA.BDB", "PALMER\r\n09/10/1929\r\n");
  panel.Open(g);
  panel->Command2.Click();
}

void TeamManager::Pick(ItemList& list, const std::string& text) {
  const Names rows = Rows(list);
  const auto row = std::find(rows.begin(), rows.end(), text) - rows.begin();
  list.SetListIndex(row < list.ListCount() ? static_cast<int>(row) : -1);
}

Names TeamManager::Members() const {
  Names names;
  for (int n = 1; n <= g.ManagerTeam.Count; ++n) names.push_back(g.ManagerTeam.Members[n].Name);
  return names;
}
