#include "charts/outlook_export.h"

#include "core/csv.h"

std::string OutlookCsv(const TeamOutlook& outlook) {
  std::vector<CsvRow> rows{{"Date", "Team 1", "Balance 1", "Pluses 1", "Team 2", "Balance 2",
                            "Pluses 2", "Total", "Edge"}};
  for (const OutlookDay& day : outlook.Days) {
    rows.push_back({WriteIsoDate(day.Day), outlook.Team1, std::to_string(day.Balance1),
                    std::to_string(day.Pluses1), outlook.Team2, std::to_string(day.Balance2),
                    std::to_string(day.Pluses2), std::to_string(day.Total()),
                    std::to_string(day.Edge())});
  }
  return CsvText(rows);
}
