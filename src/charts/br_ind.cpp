#include "charts/br_ind.h"

#include "charts/br_curve.h"
#include "charts/br_match.h"
#include "charts/date_stepper.h"
#include "charts/day_description.h"
#include "charts/individual_report.h"
#include "core/cycle_tables.h"
#include "core/dates.h"
#include "people/database_file.h"
#include "platform/files.h"

namespace {

constexpr int Margin = 120;
constexpr int EntryLeft = 1260;
constexpr int RowHeight = 375;
constexpr int DatabaseTop = 615;
constexpr int ContentsTop = 1110;
constexpr int ContentsHeight = 2640;
constexpr int ChartTitleTop = ContentsTop + ContentsHeight + 120;
constexpr int CycleTop = ChartTitleTop + 300;
constexpr int CycleWidth = 2100;
constexpr int CycleGap = 120;
constexpr int DescriptionTop = CycleTop + 360;
constexpr int DescriptionHeight = 1800;
constexpr int WindowWidth = Margin + 3 * CycleWidth + 2 * CycleGap + Margin;
// The person list, the cycle lines and the description share the window's width.
constexpr int DescriptionWidth = WindowWidth - 2 * Margin;
constexpr int ButtonWidth = 1215;
constexpr int ButtonTop = DescriptionTop + DescriptionHeight + 150;
constexpr int WindowHeight = ButtonTop + RowHeight + Margin;

Rect CycleLine(int place) {
  return Rect{Margin + place * (CycleWidth + CycleGap), CycleTop, CycleWidth, 270};
}

Rect BottomButton(int fromRight) {
  return Rect{WindowWidth - Margin - ButtonWidth - fromRight * (ButtonWidth + 120), ButtonTop,
              ButtonWidth, RowHeight};
}

// A cycle's line: its label, the position in the cycle and, in parentheses, the day's symbol.
std::string CycleText(const char* label, CyclePlace place, char symbol) {
  return label + std::to_string(place.Position) + "(" + symbol + ")";
}

}  // namespace

br_ind::br_ind(GLOBAL& g)
    : Form(g.platform.desktop, "br_ind", "Individual", WindowWidth, WindowHeight),
      Label3(*this, "Label3", Rect{Margin, 165, 1080, 270}, "Event Date"),
      EvDate(*this, "EvDate", Rect{EntryLeft, 120, 1350, RowHeight}),
      UpDate(*this, "UpDate", Rect{EntryLeft + 1410, 120, 390, RowHeight}, "",
             Button::Picture::ArrowUp),
      DownDate(*this, "DownDate", Rect{EntryLeft + 1830, 120, 390, RowHeight}, "",
               Button::Picture::ArrowDown),
      Label1(*this, "Label1", Rect{Margin, DatabaseTop + 45, 1080, 270}, "Database "),
      DbList(*this, "DbList", Rect{EntryLeft, DatabaseTop, 3540, RowHeight}, true),
      Contents(*this, "Contents", Rect{Margin, ContentsTop, DescriptionWidth, ContentsHeight}, true),
      Label4(*this, "Label4", Rect{Margin, ChartTitleTop, 1500, 270}, "Biorhythm"),
      Label5(*this, "Label5", CycleLine(0)),
      Label6(*this, "Label6", CycleLine(1)),
      Label7(*this, "Label7", CycleLine(2)),
      Desc1(*this, "Desc1", Rect{Margin, DescriptionTop, DescriptionWidth, DescriptionHeight}),
      cb_Match(*this, "cb_Match", BottomButton(3), "&Match"),
      cb_Graph(*this, "cb_Graph", BottomButton(2), "&Graph"),
      cb_Print(*this, "cb_Print", BottomButton(1), "&Print"),
      cb_close(*this, "cb_close", BottomButton(0), "&Close"),
      g(g) {
  Contents.TextFont = Font{"Courier New", 9.75, false};
  Label4.TextFont.Bold = true;
  for (Control* control : std::initializer_list<Control*>{
           &EvDate, &UpDate, &DownDate, &DbList, &Contents, &Label5, &Label6, &Label7,
           &cb_Match, &cb_Graph, &cb_Print, &cb_close}) {
    control->BackColor = LightBlue;
  }
  Desc1.BackColor = White;
  Desc1.MultiLine = true;
  Desc1.Locked = true;
  EvDate.MaxLength = 10;
  cb_close.Cancel = true;
  EvDate.Buddy = &Label3;
  DbList.Buddy = &Label1;
  Desc1.Buddy = &Label4;
  Contents.AccessibleName = "Persons";
  UpDate.AccessibleName = "Next day";
  DownDate.AccessibleName = "Previous day";

  DbList.OnClick = [this] { DbList_Click(); };
  Contents.OnClick = [this] { Contents_Click(); };
  EvDate.OnChange = [this] { EvDate_Change(); };
  UpDate.OnClick = [this] { UpDate_Click(); };
  DownDate.OnClick = [this] { DownDate_Click(); };
  cb_Match.OnClick = [this] { cb_Match_Click(); };
  cb_Graph.OnClick = [this] { cb_Graph_Click(); };
  cb_Print.OnClick = [this] { cb_Print_Click(); };
  cb_close.OnClick = [this] { cb_close_Click(); };
}

void br_ind::Form_Load() {
  RefreshForm();
  EvDate.SetText(g.EventDate);
  if (const auto date = ReadDate(g.EventDate)) g.IndividualStepDate = *date;
}

// The curves are the chart's: they go with the window that charts.
void br_ind::Form_Unload() {
  br_curve.Unload();
  br_match.Unload();
}

void br_ind::ResetForm() {
  Contents.SetListIndex(-1);
  Desc1.SetText("");
  for (Label* line : {&Label5, &Label6, &Label7}) line->SetCaption("");
  ChartName.clear();
  cb_Match.SetEnabled(false);
  cb_Graph.SetEnabled(false);
}

void br_ind::RefreshForm() {
  ResetForm();
  DbList.Clear();
  Contents.Clear();
  g.IndividualDatabase.Count = 0;
  for (const std::string& name : files::List(g.DataFolder, "*.BDB")) DbList.AddItem(name, 0);
  EvDate.SetText(g.EventDate);
  if (DbList.ListCount() > 0) DbList.SetListIndex(0);
}

void br_ind::OpenDatabase(const std::string& name) {
  PeopleDatabase& db = g.IndividualDatabase;
  db.FileName = name;
  LoadDatabase(g, name, db);
  Contents.Clear();
  for (int k = 1; k <= db.Count; ++k) {
    Contents.AddItem(PersonListEntry(db.Persons[static_cast<size_t>(k - 1)]), k);
  }
  ResetForm();
}

void br_ind::ShowChart() {
  if (Contents.ListIndex() < 0) return;
  const int k = Contents.ItemData(Contents.ListIndex());
  ResetForm();
  const Person& person = g.IndividualDatabase.Persons[static_cast<size_t>(k - 1)];
  const std::string name = person.Name;
  std::string dob = person.Dob;
  if (!ValidDate(g, g.EventDate)) {
    EvDate.SetText(g.EventDate);
    return;
  }
  if (!CheckDates(g, name, dob, g.EventDate)) return;

  const DayState day = StateOn(g, *ReadDate(dob), *ReadDate(g.EventDate));
  Label5.SetCaption(CycleText("  Physical   ", day.Physical, day.PhysicalSymbol));
  Label6.SetCaption(CycleText("  Emotional  ", day.Emotional, day.EmotionalSymbol));
  Label7.SetCaption(CycleText("  Intellect  ", day.Intellectual, day.IntellectualSymbol));
  const std::string description = DayDescription(g, day.StateKey());
  Desc1.SetText(description);

  ChartName = name;
  ChartDob = dob;
  ChartEventDate = g.EventDate;
  ChartDescription = description;
  ChartPhysicalLine = Label5.Caption();
  ChartEmotionalLine = Label6.Caption();
  ChartIntellectLine = Label7.Caption();
  cb_Match.SetEnabled(true);
  cb_Graph.SetEnabled(true);
}

void br_ind::DbList_Click() { OpenDatabase(DbList.Text()); }
void br_ind::Contents_Click() { ShowChart(); }

void br_ind::EvDate_Change() {
  g.EventDate = EvDate.Text();
  ResetForm();
}

void br_ind::UpDate_Click() { DateStepper(g.IndividualStepDate, 1, EvDate); }
void br_ind::DownDate_Click() { DateStepper(g.IndividualStepDate, -1, EvDate); }
void br_ind::cb_Match_Click() {
  br_match.Open(g).ShowPerson(ChartName, ChartDob, g.IndividualDatabase.FileName);
}
void br_ind::cb_Graph_Click() { br_curve.Open(g).ShowPerson(ChartName, ChartDob, ChartEventDate); }
void br_ind::cb_Print_Click() { PrintIndividualReport(g, *this); }
void br_ind::cb_close_Click() { Unload(); }
