#include "charts/team_chart.h"

#include <charconv>
#include <optional>

#include "core/cycle_tables.h"
#include "core/dates.h"

namespace {

bool IsUp(char symbol) { return symbol == '#' || symbol == '+' || symbol == 'H'; }
bool IsDown(char symbol) { return symbol == 'X' || symbol == '-'; }

// A number as it is joined into a text: shortest form, no blanks.
std::string Plain(double number) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, number).ptr;
  return std::string(text, end);
}

std::string Plain(const std::optional<double>& sum) { return sum ? Plain(*sum) : std::string(); }

void Add(std::optional<double>& sum, double value) { sum = sum.value_or(0) + value; }

}  // namespace

std::string ChartLine(const std::string& name, char physical, char emotional, char intellectual) {
  std::string line = name.substr(0, 19);
  line.resize(21, ' ');
  return line + physical + ' ' + emotional + ' ' + intellectual;
}

TeamChart ChartTeam(GLOBAL& g, const TeamRecord& team, std::int16_t& emoUp,
                    std::int16_t& emoDown) {
  emoUp = 0;
  emoDown = 0;
  int doublePluses = 0;
  std::optional<double> physical, emotional, intellectual;
  TeamChart chart;
  const int count = team.Count;
  for (int i = 1; i <= count; ++i) {
    const Person& member = team.Members[static_cast<size_t>(i)];
    std::string dob = member.Dob;
    if (!CheckDates(g, member.Name, dob, g.EventDate)) continue;
    const DayState day = StateOn(g, *ReadDate(dob), *ReadDate(g.EventDate));
    const bool p = IsUp(day.PhysicalSymbol), e = IsUp(day.EmotionalSymbol),
               in = IsUp(day.IntellectualSymbol);
    doublePluses += (p && e) + (in && e) - (p && e && in);
    Add(physical, day.PhysicalScale);
    Add(emotional, day.EmotionalScale);
    Add(intellectual, day.IntellectualScale);
    if (e) ++emoUp;
    if (IsDown(day.EmotionalSymbol)) --emoDown;
    chart.Lines.push_back(
        ChartLine(member.Name, day.PhysicalSymbol, day.EmotionalSymbol, day.IntellectualSymbol));
  }
  chart.Sums = " Phy = " + Plain(physical) + "    Emo = " + Plain(emotional) +
               "    Intellect = " + Plain(intellectual);
  chart.DoublePluses = "  Double pluses  = " + std::to_string(doublePluses);
  chart.Balance = "   " + std::to_string(emoUp) + "  " + std::to_string(emoDown) + "  =  " +
                  std::to_string(emoUp + emoDown);
  return chart;
}

std::string GrandTotal(const GLOBAL& g) {
  return "  Total = " +
         std::to_string(g.GroupEmoUp1 + g.GroupEmoDown1 + g.GroupEmoUp2 + g.GroupEmoDown2);
}
