// The team outlook as a table for spreadsheets: a row per day with the columns the window shows.
#pragma once

#include <string>

#include "charts/team_outlook.h"

// "Date,Team 1,Balance 1,Pluses 1,Team 2,Balance 2,Pluses 2,Total,Edge", then each day.
std::string OutlookCsv(const TeamOutlook& outlook);
