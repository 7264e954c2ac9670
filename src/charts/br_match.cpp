#include "charts/br_match.h"

#include <cstdio>
#include <cstdlib>

#include "charts/compatibility_bars.h"
#include "charts/match_report.h"
#include "charts/picture_window.h"
#include "core/dates.h"
#include "people/database_file.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace {

using namespace picture_window;

constexpr int EntryLeft = 1260;
constexpr int DatabaseTop = 525;
constexpr int ListTitleTop = 1020;
constexpr int ListTop = ListTitleTop + 270;
constexpr int ListHeight = 2700;
// Wide enough for a person's row (34 characters of 9.75-point Courier New) and the scroll bar.
constexpr int ContentsWidth = 4500;
constexpr int MatchesLeft = Margin + ContentsWidth + 120;
constexpr int MatchesWidth = WindowWidth - Margin - MatchesLeft;
constexpr int PairTop = ListTop + ListHeight + 150;
constexpr int FiguresTop = PairTop + 360;
// A figure's caption and its bar share a row.
constexpr int FigureRow = 330;
constexpr int CaptionWidth = 2900;
constexpr int BarsLeft = Margin + CaptionWidth + 120;
constexpr int FormulaTop = FiguresTop + 4 * FigureRow + 120;
constexpr int ButtonTop = FormulaTop + 480 + 120;
constexpr int WindowHeight = ButtonTop + RowHeight + Margin;

// Persons named one by one in the message about those left out of the best matches.
constexpr size_t NamedLeftOut = 5;

const Font RowFont{"Courier New", 9.75, false};

Rect FigureCaption(int bar) { return Rect{Margin, FiguresTop + bar * FigureRow + 30, CaptionWidth, 270}; }

// A best match's row: its place, the person as the person list shows it, the overall figure.
std::string MatchRow(size_t place, const Person& person, const Compatibility& figures) {
  char row[80];
  std::snprintf(row, sizeof row, "%2zu  %s  %6s", place, PersonListEntry(person).c_str(),
                Percent(figures.Overall()).c_str());
  return row;
}

// Persons left out of the best matches, the first few by name, in one message.
std::string LeftOutMessage(const std::vector<std::string>& refused) {
  std::string text = "Left out of the best matches, invalid dates of birth : ";
  for (size_t k = 0; k < refused.size() && k < NamedLeftOut; ++k) {
    if (k > 0) text += ", ";
    text += refused[k];
  }
  if (refused.size() > NamedLeftOut) {
    text += " and " + std::to_string(refused.size() - NamedLeftOut) + " more";
  }
  return text + " !";
}

}  // namespace

br_match::br_match(GLOBAL& g)
    : Form(g.platform.desktop, "br_match", "Compatibility", WindowWidth, WindowHeight),
      Label1(*this, "Label1", Rect{Margin, 150, PictureWidth, 270}),
      Label2(*this, "Label2", Rect{Margin, DatabaseTop + 45, 1080, 270}, "Database "),
      DbList(*this, "DbList", Rect{EntryLeft, DatabaseTop, 3540, RowHeight}, true),
      Label3(*this, "Label3", Rect{Margin, ListTitleTop, ContentsWidth, 270}, "Compare with"),
      Contents(*this, "Contents", Rect{Margin, ListTop, ContentsWidth, ListHeight}, true),
      Label4(*this, "Label4", Rect{MatchesLeft, ListTitleTop, MatchesWidth, 270}, "Best matches"),
      BestMatches(*this, "BestMatches", Rect{MatchesLeft, ListTop, MatchesWidth, ListHeight}, false),
      Pair(*this, "Pair", Rect{Margin, PairTop, PictureWidth, 270}),
      Physical(*this, "Physical", FigureCaption(0)),
      Emotional(*this, "Emotional", FigureCaption(1)),
      Intellectual(*this, "Intellectual", FigureCaption(2)),
      Overall(*this, "Overall", FigureCaption(3)),
      Bars(*this, "Bars", Rect{BarsLeft, FiguresTop, WindowWidth - Margin - BarsLeft, 4 * FigureRow}),
      Formula(*this, "Formula", Rect{Margin, FormulaTop, PictureWidth, 480}, CompatibilityFormula()),
      cb_Print(*this, "cb_Print", ButtonFromRight(1, ButtonTop), "&Print"),
      cb_close(*this, "cb_close", ButtonFromRight(0, ButtonTop), "&Close"),
      g(g) {
  Label1.TextFont.Bold = true;
  Pair.TextFont.Bold = true;
  Contents.TextFont = RowFont;
  BestMatches.TextFont = RowFont;
  for (Label* figure : Figures()) figure->TextFont = RowFont;
  Formula.WordWrap = true;
  cb_close.Cancel = true;
  DbList.Buddy = &Label2;
  Contents.Buddy = &Label3;
  BestMatches.Buddy = &Label4;
  Bars.Buddy = &Pair;

  Bars.OnPaint = [this](Drawing& drawing, int width, int height) {
    if (Shown) DrawCompatibilityBars(drawing, *Shown, width, height);
  };
  DbList.OnClick = [this] { DbList_Click(); };
  Contents.OnClick = [this] { Contents_Click(); };
  BestMatches.OnClick = [this] { BestMatches_Click(); };
  cb_Print.OnClick = [this] { cb_Print_Click(); };
  cb_close.OnClick = [this] { cb_close_Click(); };
}

// The database is picked once the person is known, so that the first ranking has someone to
// rank against.
void br_match::Form_Load() {
  for (const std::string& name : files::List(g.DataFolder, "*.BDB")) DbList.AddItem(name, 0);
}

void br_match::ShowPerson(const std::string& name, const std::string& dob,
                          const std::string& database) {
  ChartName = name;
  ChartDob = dob;
  chartBirth_ = *ReadDate(dob);
  Label1.SetCaption("Compatibility of " + name + ", born " + dob);
  if (DbList.ListIndex() >= 0) {
    RankMatches();
    ShowPicked();
    return;
  }
  // The first time: the database of the person's chart, or the first listed; picking it ranks.
  if (!DbList.SetText(database)) DbList.SetListIndex(0);
  if (DbList.ListIndex() < 0) ClearPair();
}

void br_match::OpenDatabase(const std::string& name) {
  Database.FileName = name;
  LoadDatabase(g, name, Database);
  Contents.Clear();
  for (int k = 1; k <= Database.Count; ++k) Contents.AddItem(PersonListEntry(PersonOf(k)), k);
  // Checked once for every ranking to come; the dates do not depend on the event date.
  candidates_.clear();
  std::vector<std::string> refused;
  const std::string today = TodayText(g);
  for (const ItemList::Item& row : Contents.Items()) {
    const Person& person = PersonOf(row.Number);
    std::string dob = person.Dob;
    if (DatesFault(g, person.Name, dob, today).empty()) {
      candidates_.push_back(Candidate{row.Number, *ReadDate(dob)});
    } else {
      refused.push_back(person.Name + "(" + dob + ")");
    }
  }
  if (!refused.empty()) g.platform.dialogs.Error(LeftOutMessage(refused), "Error");
  RankMatches();
  ClearPair();
}

void br_match::RankMatches() {
  // The charted person is no match of their own.
  std::vector<Candidate> others;
  others.reserve(candidates_.size());
  for (const Candidate& candidate : candidates_) {
    const Person& person = PersonOf(candidate.Number);
    if (person.Name != ChartName || WriteDate(candidate.Dob) != ChartDob) others.push_back(candidate);
  }
  BestMatches.Clear();
  for (const Match& match : ::BestMatches(chartBirth_, others)) {
    BestMatches.AddItem(MatchRow(BestMatches.ListCount() + 1, PersonOf(match.Number), match.Figures),
                        match.Number);
  }
}

void br_match::ShowPair(int k) {
  // A best match of another person no longer shows as picked.
  const int match = BestMatches.ListIndex();
  if (match >= 0 && BestMatches.ItemData(match) != k) BestMatches.SetListIndex(-1);
  const Person& person = PersonOf(k);
  std::string dob = person.Dob;
  if (!CheckDates(g, person.Name, dob, TodayText(g))) {
    Contents.SetListIndex(-1);
    ClearPair();
    return;
  }
  const Date birth = *ReadDate(dob);
  Shown = PairCompatibility(chartBirth_, birth);
  Pair.SetCaption(ChartName + " and " + person.Name + ", born " + dob + ", " +
                  std::to_string(std::labs(DaysBetween(chartBirth_, birth))) + " days apart");
  for (int bar = 0; bar < 4; ++bar) Figures()[bar]->SetCaption(BarCaption(bar, *Shown));
  Bars.Repaint();
}

void br_match::ClearPair() {
  Shown.reset();
  Pair.SetCaption("Pick a person to compare with");
  for (Label* figure : Figures()) figure->SetCaption("");
  Bars.Repaint();
}

void br_match::ShowPicked() {
  if (Contents.ListIndex() >= 0) {
    ShowPair(Contents.ItemData(Contents.ListIndex()));
  } else {
    ClearPair();
  }
}

void br_match::DbList_Click() { OpenDatabase(DbList.Text()); }
void br_match::Contents_Click() { ShowPicked(); }

// The match is picked in the person list too, where the user sees it among the others.
void br_match::BestMatches_Click() {
  const int k = BestMatches.ItemData(BestMatches.ListIndex());
  for (int row = 0; row < Contents.ListCount(); ++row) {
    if (Contents.ItemData(row) == k) return Contents.SetListIndex(row);
  }
}

void br_match::cb_Print_Click() { PrintMatchReport(g, *this); }
void br_match::cb_close_Click() { Unload(); }
