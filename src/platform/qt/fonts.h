// The fonts the windows and reports name, found among the fonts this machine has.
#pragma once

#include <QFont>
#include <string>

// A font by the name the program uses ("MS Sans Serif", "courier new", ...), in points.
QFont ToQFont(const std::string& name, double points, bool bold);
