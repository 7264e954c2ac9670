#include "charts/comparison_export.h"

#include "core/csv.h"

namespace {

void AddTeam(std::vector<CsvRow>& rows, const std::string& date, const ChartedTeam& team) {
  const SideDay& day = team.Chart.Day;
  const auto row = [&](const std::string& what, const std::string& physical,
                       const std::string& emotional, const std::string& intellectual,
                       const std::string& count) {
    rows.push_back({date, team.FileName, what, physical, emotional, intellectual, count});
  };
  for (const MemberDay& member : day.Members) {
    row(member.Name, {member.Physical}, {member.Emotional}, {member.Intellectual}, "");
  }
  row("Scale sums", SumText(day.PhysicalSum), SumText(day.EmotionalSum),
      SumText(day.IntellectualSum), "");
  row("Double pluses", "", "", "", std::to_string(day.DoublePluses));
  row("Emotional ups", "", "", "", std::to_string(day.EmoUp));
  row("Emotional downs", "", "", "", std::to_string(day.EmoDown));
  row("Emotional balance", "", "", "", std::to_string(day.Balance()));
}

}  // namespace

std::string ComparisonCsv(Date eventDate, const ChartedTeam& team1, const ChartedTeam& team2) {
  const std::string date = WriteIsoDate(eventDate);
  std::vector<CsvRow> rows{
      {"Event date", "Team", "Member", "Physical", "Emotional", "Intellectual", "Count"}};
  AddTeam(rows, date, team1);
  AddTeam(rows, date, team2);
  const int total = team1.Chart.Day.Balance() + team2.Chart.Day.Balance();
  rows.push_back({date, "", "Grand total", "", "", "", std::to_string(total)});
  return CsvText(rows);
}
