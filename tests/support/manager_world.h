// A world for driving the database manager and its details dialog: databases written in the
// .BDB format, the dialog filled in as a user would, and what the folder holds afterwards.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "people/br_db.h"
#include "people/br_frm.h"
#include "support/world.h"

using People = std::vector<std::pair<std::string, std::string>>;

struct ManagerWorld : World {
  // Writes a database file of these persons, names and dates as given.
  void WriteDatabase(const std::string& fileName, const People& people) const;
  // The names a database file holds, in file order; empty when there is no such file.
  std::vector<std::string> SavedNames(const std::string& fileName) const;

  BR_DB& Open();
  BR_DB& manager() const { return *g.BR_DB.get(); }
  BR_FRM& dialog() const { return *g.BR_FRM.get(); }
  // Types into the open details dialog and presses OK.
  void Enter(const std::string& name, const std::string& dob);
  // Adds a person through the manager's Add button and the dialog.
  void Add(const std::string& name, const std::string& dob);
  // Selects the row showing this name.
  void Pick(const std::string& name);
  // The names listed in Contents, top to bottom.
  std::vector<std::string> ListedNames() const;
  // The texts of the OK/Cancel questions asked so far.
  std::vector<std::string> Questions() const;
};
