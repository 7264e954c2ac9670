// How the program's windows, drop-down lists and pictures present themselves to a screen reader:
// windows as frames, windows that ask as dialogs, a drop-down list by the label beside it with
// the entry it shows as its value and text, a picture as a chart.
#pragma once

#include <QString>

class Control;

void InstallAccessibility();

// The name the label beside a control gives it: the label's caption without its access-key
// mark; empty when the control has no label.
QString LabelName(const Control& control);
