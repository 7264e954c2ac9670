#include "charts/br_outlook.h"

#include "charts/outlook_export.h"
#include "charts/outlook_report.h"
#include "charts/picture_window.h"
#include "core/export_file.h"

namespace {

using namespace picture_window;

constexpr int HalfWidth = PictureWidth / 2;
constexpr int TeamsTop = 120;
constexpr int BestTop = 450;
constexpr int ChartTitleTop = 810;
constexpr int ChartTop = ChartTitleTop + 270;
constexpr int ChartHeight = 4200;
constexpr int HeadingTop = ChartTop + ChartHeight + 150;
constexpr int DaysTop = HeadingTop + 255;
constexpr int DaysHeight = 2400;
constexpr int ButtonTop = DaysTop + DaysHeight + 150;
constexpr int WindowHeight = ButtonTop + RowHeight + Margin;

const Font CaptionFont{"Times New Roman", 9.75, true};
const Font BestFont{"Arial", 9.75, true};
const Font RowFont{"Courier New", 9.75, false};

Rect Half(int place, int top) { return Rect{Margin + place * HalfWidth, top, HalfWidth - 120, 270}; }

}  // namespace

br_outlook::br_outlook(GLOBAL& g)
    : Form(g.platform.desktop, "br_outlook", "Team Outlook", WindowWidth, WindowHeight),
      Label1(*this, "Label1", Half(0, TeamsTop)),
      Label2(*this, "Label2", Half(1, TeamsTop)),
      Label3(*this, "Label3", Half(0, BestTop)),
      Label4(*this, "Label4", Half(1, BestTop)),
      Label5(*this, "Label5", Rect{Margin, ChartTitleTop, PictureWidth, 240},
             "Emotional balance of each team, and the edge of team 1 over team 2"),
      Chart(*this, "Chart", Rect{Margin, ChartTop, PictureWidth, ChartHeight}),
      Label6(*this, "Label6", Rect{Margin, HeadingTop, PictureWidth, 240}, OutlookHeading),
      Days(*this, "Days", Rect{Margin, DaysTop, PictureWidth, DaysHeight}, false),
      cb_Export(*this, "cb_Export", ButtonFromRight(2, ButtonTop), "E&xport..."),
      cb_Print(*this, "cb_Print", ButtonFromRight(1, ButtonTop), "&Print"),
      cb_close(*this, "cb_close", ButtonFromRight(0, ButtonTop), "&Close"),
      g(g) {
  Label1.TextFont = CaptionFont;
  Label2.TextFont = CaptionFont;
  Label3.TextFont = BestFont;
  Label4.TextFont = BestFont;
  Label6.TextFont = RowFont;
  Days.TextFont = RowFont;
  cb_close.Cancel = true;
  Chart.Buddy = &Label5;
  // Its label is the row of column headings; the list itself is the outlook day by day.
  Days.AccessibleName = "Outlook by day";
  cb_Export.AccessibleName = "Export the outlook as CSV";

  Chart.OnPaint = [this](Drawing& drawing, int width, int height) {
    DrawOutlook(drawing, Shown, width, height);
  };
  cb_Export.OnClick = [this] { cb_Export_Click(); };
  cb_Print.OnClick = [this] { cb_Print_Click(); };
  cb_close.OnClick = [this] { cb_close_Click(); };
}

void br_outlook::ShowTeams(const TeamRecord& team1, const TeamRecord& team2,
                           const std::string& eventDate) {
  Shown = Outlook(g, team1, team2, eventDate);
  Label1.SetCaption("Team 1 : " + Shown.Team1);
  Label2.SetCaption("Team 2 : " + Shown.Team2);
  Label3.SetCaption("Best day for team 1 : " + BestDayText(Shown.BestFor1()));
  Label4.SetCaption("Best day for team 2 : " + BestDayText(Shown.BestFor2()));
  Days.Clear();
  for (const OutlookDay& day : Shown.Days) Days.AddItem(OutlookRow(day), 0);
  Chart.Repaint();
}

void br_outlook::cb_Export_Click() {
  const std::string name = WithoutExtension(Shown.Team1) + " - " + WithoutExtension(Shown.Team2) +
                           " outlook " + WriteIsoDate(Shown.Days.front().Day) + ".csv";
  ExportFile(g, "Export Outlook", name, CsvFiles, OutlookCsv(Shown));
}

void br_outlook::cb_Print_Click() { PrintOutlookReport(g, *this); }
void br_outlook::cb_close_Click() { Unload(); }
