// The team manager opened from the panel on a data folder holding the personal team and the
// team ABC.BTM (ADAMS, BROWN, CLARK), whose database PEOPLE.BDB lists DIXON, CLARK, BROWN and
// ADAMS in that order.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/case_blind_folder.h"
#include "support/world.h"
#include "teams/br_tm.h"

using Names = std::vector<std::string>;

class TeamManager : public testing::Test, public World {
 public:
  void SetUp() override { SetUpOn(Disk::CaseSensitive); }
  BR_TM& tm() const { return *panel->BR_TM.get(); }

  // Makes current the row showing the text; no row when none does.
  static void Pick(ItemList& list, const std::string& text);
  // The current row's text; empty when there is none.
  static std::string Current(const ItemList& list) {
    return list.ListIndex() >= 0 ? list.List(list.ListIndex()) : "";
  }
  Names Members() const;

 protected:
  // On a disk that ignores letter case the files are stored under lower-case names, as another
  // system wrote them.
  void SetUpOn(Disk disk);

 private:
  std::optional<CaseBlindFolder> blind_;
};
