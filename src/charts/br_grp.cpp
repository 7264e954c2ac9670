#include "charts/br_grp.h"

#include <string>

#include "charts/br_chem.h"
#include "charts/br_outlook.h"
#include "charts/date_stepper.h"
#include "charts/team_chart.h"
#include "charts/team_report.h"
#include "core/dates.h"
#include "core/export_file.h"
#include "platform/files.h"
#include "teams/team_file.h"

namespace {

constexpr int Margin = 120;
// Wide enough for a chart line (26 characters of 9.75-point Courier New) with room for the
// scroll bar.
constexpr int SideWidth = 4200;
constexpr int Side2 = Margin + SideWidth + 240;
constexpr int PickerOffset = 840;
// Over the symbol columns: a chart line's symbols stand in characters 22, 24 and 26.
constexpr int HeadingOffset = 2535;
constexpr int ListTop = 840;
constexpr int ListHeight = 5700;
constexpr int SumsTop = ListTop + ListHeight + 60;
constexpr int PlusesTop = SumsTop + 240;
constexpr int DateRowTop = PlusesTop + 330;
constexpr int BalanceTop = DateRowTop + 510;
// Compute, Print and Close stay beside the date; what else can be done with a comparison made
// has a row of its own under the balances.
constexpr int MoreTop = BalanceTop + 330 + 120;
constexpr int ButtonWidth = 1200;
constexpr int ButtonStep = 1290;
constexpr int WindowWidth = Side2 + SideWidth + Margin;
constexpr int WindowHeight = MoreTop + 375 + Margin;

const Font CaptionFont{"Times New Roman", 9.75, true};
const Font EntryFont{"Arial", 10.5, false};
const Font HeadingFont{"Times New Roman", 8.25, true};
const Font ChartFont{"Courier New", 9.75, false};
const Font TotalsFont{"Arial", 7.5, false};
const Font CommandFont{"MS Sans Serif", 8.25, true};
const Font BalanceFont{"Arial", 10.5, true};

constexpr const char* Heading = " P   E   I";

Rect TeamCaption(int left) { return Rect{left, 165, PickerOffset - 60, 270}; }
Rect Picker(int left) { return Rect{left + PickerOffset, 120, SideWidth - PickerOffset, 360}; }
Rect Symbols(int left) { return Rect{left + HeadingOffset, ListTop - 240, 1200, 225}; }
Rect Chart(int left) { return Rect{left, ListTop, SideWidth, ListHeight}; }
Rect Totals(int left, int top) { return Rect{left, top, SideWidth, 225}; }
// A button of a row that ends where team 2's side does, counted from that end.
Rect Command(int top, int fromRight) {
  return Rect{Side2 + SideWidth - ButtonWidth - fromRight * ButtonStep, top, ButtonWidth, 375};
}
Rect Balance(int left) { return Rect{left, BalanceTop, 2700, 330}; }

// A league's teams are told apart by their file names: the "NFL" keeps every team as an
// offence and a defence file, the "NBA" as one file.
bool Offered(const std::string& fileName, bool nfl) {
  const bool unit = fileName.find("OFF") != std::string::npos ||
                    fileName.find("DEF") != std::string::npos;
  return unit == nfl;
}

}  // namespace

br_grp::br_grp(GLOBAL& g)
    : Form(g.platform.desktop, "br_grp", "Team", WindowWidth, WindowHeight),
      Label1(*this, "Label1", TeamCaption(Margin), "Team 1"),
      TmList1(*this, "TmList1", Picker(Margin), true),
      Label2(*this, "Label2", TeamCaption(Side2), "Team 2"),
      TmList2(*this, "TmList2", Picker(Side2), true),
      Label5(*this, "Label5", Symbols(Margin), Heading),
      Label3(*this, "Label3", Symbols(Side2), Heading),
      TmContents1(*this, "TmContents1", Chart(Margin), false),
      TmContents2(*this, "TmContents2", Chart(Side2), false),
      Label4(*this, "Label4", Totals(Margin, SumsTop)),
      Label6(*this, "Label6", Totals(Side2, SumsTop)),
      Label8(*this, "Label8", Totals(Margin, PlusesTop)),
      Label9(*this, "Label9", Totals(Side2, PlusesTop)),
      Label7(*this, "Label7", Rect{Margin, DateRowTop + 45, 1080, 270}, "Event Date"),
      EvDate(*this, "EvDate", Rect{1230, DateRowTop, 1350, 375}),
      UpDate(*this, "UpDate", Rect{2640, DateRowTop, 390, 375}, "", Button::Picture::ArrowUp),
      DownDate(*this, "DownDate", Rect{3060, DateRowTop, 390, 375}, "",
               Button::Picture::ArrowDown),
      compute(*this, "compute", Command(DateRowTop, 2), "&Compute"),
      Command3(*this, "Command3", Command(DateRowTop, 1), "&Print"),
      cb_Outlook(*this, "cb_Outlook", Command(MoreTop, 2), "&Outlook"),
      cb_Chemistry(*this, "cb_Chemistry", Command(MoreTop, 1), "C&hemistry"),
      cb_Export(*this, "cb_Export", Command(MoreTop, 0), "E&xport..."),
      Command4(*this, "Command4", Command(DateRowTop, 0), "&Close"),
      Label10(*this, "Label10", Balance(Margin)),
      Label12(*this, "Label12", Rect{WindowWidth / 2 - 1500, BalanceTop, 3000, 330}),
      Label11(*this, "Label11", Balance(WindowWidth - Margin - 2700)),
      g(g) {
  for (Label* label : {&Label1, &Label2, &Label7}) label->TextFont = CaptionFont;
  for (Control* entry : std::initializer_list<Control*>{&TmList1, &TmList2, &EvDate}) {
    entry->TextFont = EntryFont;
  }
  Label5.TextFont = HeadingFont;
  Label3.TextFont = HeadingFont;
  TmContents1.TextFont = ChartFont;
  TmContents2.TextFont = ChartFont;
  for (Label* label : {&Label4, &Label6, &Label8, &Label9}) label->TextFont = TotalsFont;
  for (Button* button : {&compute, &Command3, &cb_Outlook, &cb_Chemistry, &cb_Export, &Command4}) {
    button->TextFont = CommandFont;
  }
  for (Button* button : {&cb_Outlook, &cb_Chemistry, &cb_Export}) button->SetEnabled(false);
  cb_Export.AccessibleName = "Export the comparison as CSV";
  for (Label* label : {&Label10, &Label12, &Label11}) label->TextFont = BalanceFont;
  Label12.Centered = true;
  EvDate.MaxLength = 10;
  TmList1.Buddy = &Label1;
  TmContents1.Buddy = &Label1;
  TmList2.Buddy = &Label2;
  TmContents2.Buddy = &Label2;
  EvDate.Buddy = &Label7;
  UpDate.AccessibleName = "Next day";
  DownDate.AccessibleName = "Previous day";

  TmList1.OnClick = [this] { TmList1_Click(); };
  TmList2.OnClick = [this] { TmList2_Click(); };
  EvDate.OnChange = [this] { EvDate_Change(); };
  compute.OnClick = [this] { compute_Click(); };
  UpDate.OnClick = [this] { UpDate_Click(); };
  DownDate.OnClick = [this] { DownDate_Click(); };
  Command3.OnClick = [this] { Command3_Click(); };
  cb_Outlook.OnClick = [this] { cb_Outlook_Click(); };
  cb_Chemistry.OnClick = [this] { cb_Chemistry_Click(); };
  cb_Export.OnClick = [this] { cb_Export_Click(); };
  Command4.OnClick = [this] { Command4_Click(); };
}

br_grp::Side br_grp::Team1() {
  return Side{g.GroupTeam1, TmList1, TmContents1, Label4, Label8, Label10,
              g.GroupEmoUp1, g.GroupEmoDown1, charted1_};
}

br_grp::Side br_grp::Team2() {
  return Side{g.GroupTeam2, TmList2, TmContents2, Label6, Label9, Label11,
              g.GroupEmoUp2, g.GroupEmoDown2, charted2_};
}

void br_grp::Form_Load() { FillTeamLists(); }

// The outlook is the comparison's: it goes with the window that compares.
void br_grp::Form_Unload() {
  br_outlook.Unload();
  br_chem.Unload();
}

void br_grp::FillTeamLists() {
  EvDate.SetText(g.EventDate);
  for (const Side& side : {Team1(), Team2()}) {
    side.picker.Clear();
    side.lines.Clear();
    side.team.Count = 0;
  }
  const bool nfl = g.LeaguePreset == "NFL";
  Label12.SetVisible(nfl);
  // A side that remembers no team starts on the first team file, offered or not.
  std::string first;
  for (const std::string& name : files::List(g.DataFolder, "*.BTM")) {
    if (Offered(name, nfl)) {
      TmList1.AddItem(name, 0);
      TmList2.AddItem(name, 0);
    }
    if (first.empty()) first = name;
  }
  for (const Side& side : {Team1(), Team2()}) {
    if (side.team.FileName.empty()) side.team.FileName = first;
  }
  SelectTeam(Team1());
  SelectTeam(Team2());
}

void br_grp::SelectTeam(const Side& side) {
  if (!side.picker.SetText(side.team.FileName) && side.picker.ListCount() > 0) {
    side.picker.SetListIndex(0);
  }
}

void br_grp::PickTeam(const Side& side) {
  const std::string fileName = side.picker.Text();
  side.team.FileName = fileName;
  LoadTeam(g, fileName, side.team);
  CompareTeams();
}

void br_grp::TakeEventDate() {
  g.EventDate = EvDate.Text();
  if (!ValidDate(g, g.EventDate)) EvDate.SetText(g.EventDate);
}

void br_grp::CompareTeams() {
  if (const auto date = ReadDate(EvDate.Text())) g.GroupStepDate = *date;
  TakeEventDate();
  ChartTeam(Team1());
  ChartTeam(Team2());
  Label12.SetCaption(GrandTotal(g));
  compute.SetVisible(false);
  chartedDate_ = g.EventDate;
  for (Button* button : {&cb_Outlook, &cb_Chemistry, &cb_Export}) button->SetEnabled(true);
}

void br_grp::ChartTeam(const Side& side) {
  side.lines.Clear();
  side.charted = ChartedTeam{side.team.FileName, ::ChartTeam(g, side.team, side.emoUp, side.emoDown)};
  const TeamChart& chart = side.charted.Chart;
  for (const std::string& line : chart.Lines) side.lines.AddItem(line, 0);
  side.sums.SetCaption(chart.Sums);
  side.pluses.SetCaption(chart.DoublePluses);
  side.balance.SetCaption(chart.Balance);
}

void br_grp::TmList1_Click() { PickTeam(Team1()); }
void br_grp::TmList2_Click() { PickTeam(Team2()); }
void br_grp::EvDate_Change() { compute.SetVisible(true); }

void br_grp::compute_Click() {
  TakeEventDate();
  CompareTeams();
}

void br_grp::UpDate_Click() { DateStepper(g.GroupStepDate, 1, EvDate); }
void br_grp::DownDate_Click() { DateStepper(g.GroupStepDate, -1, EvDate); }
void br_grp::Command3_Click() { PrintTeamReport(g, *this); }
void br_grp::cb_Outlook_Click() {
  br_outlook.Open(g).ShowTeams(g.GroupTeam1, g.GroupTeam2, chartedDate_);
}
void br_grp::cb_Chemistry_Click() {
  br_chem.Open(g).ShowTeams(g.GroupTeam1, g.GroupTeam2, chartedDate_);
}
void br_grp::cb_Export_Click() {
  const Date date = *ReadDate(chartedDate_);
  const std::string name = WithoutExtension(charted1_.FileName) + " - " +
                           WithoutExtension(charted2_.FileName) + " " + WriteIsoDate(date) + ".csv";
  ExportFile(g, "Export Comparison", name, CsvFiles, ComparisonCsv(date, charted1_, charted2_));
}
void br_grp::Command4_Click() { Unload(); }
