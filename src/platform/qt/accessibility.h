// How the program's windows and drop-down lists present themselves to a screen reader: windows
// as frames, windows that ask as dialogs, a drop-down list by the label beside it rather than by
// the entry it shows.
#pragma once

void InstallAccessibility();
