#include "app/br_about.h"

#include "core/cycle_waves.h"

namespace {

// The waves keep clear of the picture's frame, further above and below, where they turn.
constexpr int Across = 98;
constexpr int Down = 158;

void PaintImage1(Drawing& drawing, int width, int height) {
  DrawFirstMonth(drawing, Rect{Across, Down, width - 2 * Across, height - 2 * Down}, 15, 30);
}

}  // namespace

BR_ABOUT::BR_ABOUT(GLOBAL& g)
    : Form(g.platform.desktop, "BR_ABOUT", "About", 5760, 3300),
      Command1(*this, "Command1", Rect{4200, 2640, 1215, 420}, "OK"),
      Image1(*this, "Image1", Rect{240, 240, 1680, 1680}),
      Label1(*this, "Label1", Rect{2160, 300, 3360, 480}, "Ondulix"),
      Label2(*this, "Label2", Rect{2160, 900, 3360, 700},
             "Biorhythm charts for people and for teams: physical 23 days, emotional 28 "
             "days, intellectual 33 days."),
      // Installed, the data are not beside the program: the user is told where to find them.
      Label3(*this, "Label3", Rect{2160, 1700, 3360, 800},
             "Your databases and teams are kept as plain text in " + g.DataFolder + ".") {
  Image1.AccessibleName = "The three cycles over a month";
  Image1.OnPaint = PaintImage1;
  Label1.TextFont = Font{"Times New Roman", 18, false};
  Label2.WordWrap = true;
  Label3.WordWrap = true;
  Command1.Cancel = true;
  Command1.OnClick = [this] { Command1_Click(); };
}

void BR_ABOUT::Command1_Click() { Unload(); }
