// The compatibility of the person charted in Bio Calendar with a second person picked from a
// people database, as figures and bars, and that person's best matches in the database; printed.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "charts/compatibility.h"
#include "core/globals.h"
#include "platform/form.h"
#include "platform/picture_box.h"

class br_match : public Form {
 public:
  explicit br_match(GLOBAL& g);

  Label Label1;          // whose compatibility: the name and the date of birth
  Label Label2;          // "Database "
  ComboBox DbList;       // the .BDB files of the data folder
  Label Label3;          // "Compare with"
  ListBox Contents;      // one row per person, carrying the person's number
  Label Label4;          // "Best matches"
  ListBox BestMatches;   // the best matches, best first, each row carrying the person's number
  Label Pair;            // the two persons compared and the days between their births
  Label Physical;        // the pair's figure for each cycle, and the overall one
  Label Emotional;
  Label Intellectual;
  Label Overall;
  PictureBox Bars;       // the four figures as bars
  Label Formula;         // how the figures are made
  Button cb_Print;
  Button cb_close;

  // The person charted, as printed.
  std::string ChartName;
  std::string ChartDob;
  // The pair on show; none while no second person is picked.
  std::optional<Compatibility> Shown;
  // The database picked here, the window's own.
  PeopleDatabase Database;

  // The four figures' labels, in the order of the bars.
  std::array<Label*, 4> Figures() { return {&Physical, &Emotional, &Intellectual, &Overall}; }

  // Compares the person, whose dates have passed CheckDates, with the persons of the database
  // picked here; the first time, of the database named.
  void ShowPerson(const std::string& name, const std::string& dob, const std::string& database);

  void DbList_Click();
  void Contents_Click();
  void BestMatches_Click();
  void cb_Print_Click();
  void cb_close_Click();

 protected:
  void Form_Load() override;

 private:
  void OpenDatabase(const std::string& name);
  void RankMatches();
  // Shows the charted person against the person picked in the list, if any.
  void ShowPicked();
  // Shows the charted person against person k of the database.
  void ShowPair(int k);
  void ClearPair();
  const Person& PersonOf(int k) const { return Database.Persons[static_cast<size_t>(k - 1)]; }

  GLOBAL& g;
  Date chartBirth_{};
  // The persons whose dates of birth pass the checks, in the order of the person list.
  std::vector<Candidate> candidates_;
};
