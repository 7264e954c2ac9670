#include "charts/br_chem.h"

#include "charts/chemistry_report.h"
#include "charts/compatibility_bars.h"
#include "charts/picture_window.h"

namespace {

using namespace picture_window;

constexpr int HalfWidth = PictureWidth / 2;
constexpr int TeamTop = 120;
constexpr int ChemistryTop = 450;
constexpr int CountedTop = 810;
constexpr int FiguresTop = 1380;
// A figure's caption and its bar share a row.
constexpr int FigureRow = 330;
constexpr int CaptionWidth = 2520;
constexpr int BestTop = FiguresTop + 4 * FigureRow + 120;
constexpr int WorstTop = BestTop + 540;
// Texts that may run over two lines: the members left out, the names of a pair.
constexpr int TwoLines = 480;
constexpr int ButtonTop = WorstTop + TwoLines + 120;
constexpr int WindowHeight = ButtonTop + RowHeight + Margin;

const Font CaptionFont{"Times New Roman", 9.75, true};
const Font ChemistryFont{"Arial", 9.75, true};
const Font FigureFont{"Courier New", 9.75, false};

int SideLeft(int side) { return Margin + side * HalfWidth; }
Rect Row(int side, int top, int height) { return Rect{SideLeft(side), top, HalfWidth - 120, height}; }
Rect FigureCaption(int side, int bar) {
  return Rect{SideLeft(side), FiguresTop + bar * FigureRow + 30, CaptionWidth, 270};
}
Rect BarsOf(int side) {
  const int left = SideLeft(side) + CaptionWidth + 120;
  return Rect{left, FiguresTop, SideLeft(side) + HalfWidth - 120 - left, 4 * FigureRow};
}

std::string Plural(int count, const char* word) {
  return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

std::string CountedText(const TeamChemistry& chemistry) {
  std::string text = std::to_string(chemistry.Members - static_cast<int>(chemistry.LeftOut.size())) +
                     " of " + Plural(chemistry.Members, "member") + " counted, " +
                     Plural(chemistry.Pairs, "pair");
  for (size_t k = 0; k < chemistry.LeftOut.size(); ++k) {
    text += k == 0 ? ". Left out : " : ", ";
    text += chemistry.LeftOut[k];
  }
  return text;
}

std::string PairText(const char* which, const std::optional<MemberPair>& pair) {
  if (!pair) return "";
  return std::string(which) + " : " + pair->First + " and " + pair->Second + ", " +
         Percent(pair->Figures.Overall());
}

}  // namespace

br_chem::br_chem(GLOBAL& g)
    : Form(g.platform.desktop, "br_chem", "Team Chemistry", WindowWidth, WindowHeight),
      Team1(*this, "Team1", Row(0, TeamTop, 270)),
      Chemistry1(*this, "Chemistry1", Row(0, ChemistryTop, 300)),
      Counted1(*this, "Counted1", Row(0, CountedTop, TwoLines)),
      Physical1(*this, "Physical1", FigureCaption(0, 0)),
      Emotional1(*this, "Emotional1", FigureCaption(0, 1)),
      Intellectual1(*this, "Intellectual1", FigureCaption(0, 2)),
      Overall1(*this, "Overall1", FigureCaption(0, 3)),
      Bars1(*this, "Bars1", BarsOf(0)),
      Best1(*this, "Best1", Row(0, BestTop, TwoLines)),
      Worst1(*this, "Worst1", Row(0, WorstTop, TwoLines)),
      Team2(*this, "Team2", Row(1, TeamTop, 270)),
      Chemistry2(*this, "Chemistry2", Row(1, ChemistryTop, 300)),
      Counted2(*this, "Counted2", Row(1, CountedTop, TwoLines)),
      Physical2(*this, "Physical2", FigureCaption(1, 0)),
      Emotional2(*this, "Emotional2", FigureCaption(1, 1)),
      Intellectual2(*this, "Intellectual2", FigureCaption(1, 2)),
      Overall2(*this, "Overall2", FigureCaption(1, 3)),
      Bars2(*this, "Bars2", BarsOf(1)),
      Best2(*this, "Best2", Row(1, BestTop, TwoLines)),
      Worst2(*this, "Worst2", Row(1, WorstTop, TwoLines)),
      cb_Print(*this, "cb_Print", ButtonFromRight(1, ButtonTop), "&Print"),
      cb_close(*this, "cb_close", ButtonFromRight(0, ButtonTop), "&Close"),
      g(g) {
  for (const Side& side : {Left(), Right()}) {
    side.team.TextFont = CaptionFont;
    side.summary.TextFont = ChemistryFont;
    for (Label* figure : side.figures) figure->TextFont = FigureFont;
    for (Label* words : {&side.counted, &side.best, &side.worst}) words->WordWrap = true;
    side.bars.Buddy = &side.summary;
  }
  cb_close.Cancel = true;

  Bars1.OnPaint = [this](Drawing& drawing, int width, int height) {
    if (Shown1.Known()) DrawCompatibilityBars(drawing, Shown1.Mean, width, height);
  };
  Bars2.OnPaint = [this](Drawing& drawing, int width, int height) {
    if (Shown2.Known()) DrawCompatibilityBars(drawing, Shown2.Mean, width, height);
  };
  cb_Print.OnClick = [this] { cb_Print_Click(); };
  cb_close.OnClick = [this] { cb_close_Click(); };
}

br_chem::Side br_chem::Left() {
  return Side{Shown1, Team1, Chemistry1, Counted1, {&Physical1, &Emotional1, &Intellectual1, &Overall1},
              Bars1, Best1, Worst1};
}

br_chem::Side br_chem::Right() {
  return Side{Shown2, Team2, Chemistry2, Counted2, {&Physical2, &Emotional2, &Intellectual2, &Overall2},
              Bars2, Best2, Worst2};
}

void br_chem::ShowTeams(const TeamRecord& team1, const TeamRecord& team2,
                        const std::string& eventDate) {
  EventDate = eventDate;
  Shown1 = Chemistry(g, team1, eventDate);
  Shown2 = Chemistry(g, team2, eventDate);
  Team1.SetCaption("Team 1 : " + Shown1.Team);
  Team2.SetCaption("Team 2 : " + Shown2.Team);
  ShowSide(Left());
  ShowSide(Right());
}

void br_chem::ShowSide(const Side& side) {
  const TeamChemistry& chemistry = side.chemistry;
  side.summary.SetCaption(chemistry.Known()
                              ? "Chemistry : " + Percent(chemistry.Mean.Overall())
                              : "No chemistry : fewer than two members counted");
  side.counted.SetCaption(CountedText(chemistry));
  for (int bar = 0; bar < 4; ++bar) {
    side.figures[bar]->SetCaption(chemistry.Known() ? BarCaption(bar, chemistry.Mean) : "");
  }
  side.best.SetCaption(PairText("Most compatible", chemistry.Best));
  side.worst.SetCaption(PairText("Least compatible", chemistry.Worst));
  side.bars.Repaint();
}

void br_chem::cb_Print_Click() { PrintChemistryReport(g, *this); }
void br_chem::cb_close_Click() { Unload(); }
