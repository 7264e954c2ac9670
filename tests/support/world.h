// Everything a form test needs: a data folder, the platform doubles and the program's
// globals built on them, with today fixed.
#pragma once

#include <string>
#include <vector>

#include "app/br_cp.h"
#include "charts/br_grp.h"
#include "charts/br_ind.h"
#include "core/globals.h"
#include "platform/picture_box.h"
#include "support/doubles.h"
#include "support/test_data.h"

// Today in every test unless it sets another: Wednesday, June 15, 2005.
inline constexpr Date TestToday{std::chrono::year{2005}, std::chrono::June, std::chrono::day{15}};

struct World {
  explicit World(bool shippedData = true, bool samples = false)
      : World(nullptr, nullptr, shippedData, samples) {}
  // With the shipped data and samples, printing on a real printer instead of the recorder.
  explicit World(Printer& paper) : World(&paper, nullptr, true, true) {}
  // With the shipped data and samples, showing the windows on a real screen instead.
  explicit World(Desktop& screen) : World(nullptr, &screen, true, true) {}

  // The chart windows, opened from the open panel as the user does: the comparison by "&NFL"
  // with these two teams remembered as the last picked, the individual by "&Bio Calendar".
  br_grp& OpenComparison(const std::string& team1, const std::string& team2);
  br_ind& OpenIndividual() {
    panel->Command1.Click();
    return *panel->br_ind.get();
  }
  // The rows of a list, top to bottom.
  static std::vector<std::string> Rows(const ItemList& list);
  // Each person as "NAME|DOB", in order: of a database, of a team's slots.
  static std::vector<std::string> Entries(const Person* first, int count);
  static std::vector<std::string> Entries(const PeopleDatabase& database) {
    return Entries(database.Persons.data(), database.Count);
  }
  // Makes current the listed person whose entry starts with the name; false when none does.
  static bool PickPerson(br_ind& window, const std::string& name) {
    return PickRow(window.Contents, name);
  }
  // Makes current the first row that starts with the text; false when none does.
  static bool PickRow(ItemList& list, const std::string& start);
  // What the picture draws, recorded.
  static RecordingDrawing Painted(const PictureBox& picture) {
    RecordingDrawing drawing;
    picture.Paint(drawing);
    return drawing;
  }

  TempFolder folder;
  FakeDesktop desktop;
  ScriptedDialogs dialogs;
  RecordingPrinter printer;
  FixedClock clock{TestToday};
  GLOBAL g;
  // The main panel, opened by the tests that go through it as the user does.
  WindowRef<br_cp> panel;

 private:
  World(Printer* paper, Desktop* screen, bool shippedData, bool samples);
};
