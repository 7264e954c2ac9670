#include "charts/team_chart.h"

#include <charconv>
#include <optional>

#include "core/cycle_tables.h"
#include "core/dates.h"

namespace {

// A number as it is joined into a text: shortest form, no blanks. Sums of decimal table values
// are written to the 15 digits a double holds, so that 0.1 + 0.2 reads 0.3 and not the
// binary fraction's last digits.
std::string Plain(double number) {
  char text[32];
  const auto end =
      std::to_chars(text, text + sizeof text, number, std::chars_format::general, 15).ptr;
  return std::string(text, end);
}

void Add(std::optional<double>& sum, double value) { sum = sum.value_or(0) + value; }

}  // namespace

std::string ChartLine(const std::string& name, char physical, char emotional, char intellectual) {
  std::string line = name.substr(0, 19);
  line.resize(21, ' ');
  return line + physical + ' ' + emotional + ' ' + intellectual;
}

bool IsUp(char symbol) { return symbol == '#' || symbol == '+' || symbol == 'H'; }
bool IsDown(char symbol) { return symbol == 'X' || symbol == '-'; }

std::vector<ChartedMember> ChartedMembers(GLOBAL& g, const TeamRecord& team,
                                          const std::string& eventDate, bool tell,
                                          std::vector<std::string>* leftOut) {
  std::vector<ChartedMember> members;
  const int count = team.Count;
  for (int i = 1; i <= count; ++i) {
    const Person& member = team.Members[static_cast<size_t>(i)];
    std::string dob = member.Dob;
    const bool passed = tell ? CheckDates(g, member.Name, dob, eventDate)
                             : DatesFault(g, member.Name, dob, eventDate).empty();
    if (passed) {
      members.push_back(ChartedMember{member.Name, *ReadDate(dob)});
    } else if (leftOut) {
      leftOut->push_back(member.Name);
    }
  }
  return members;
}

SideDay ChartSide(const GLOBAL& g, const std::vector<ChartedMember>& members, Date day) {
  SideDay side;
  for (const ChartedMember& member : members) {
    const DayState state = StateOn(g, member.Dob, day);
    const bool p = IsUp(state.PhysicalSymbol), e = IsUp(state.EmotionalSymbol),
               in = IsUp(state.IntellectualSymbol);
    side.DoublePluses += (p && e) + (in && e) - (p && e && in);
    Add(side.PhysicalSum, state.PhysicalScale);
    Add(side.EmotionalSum, state.EmotionalScale);
    Add(side.IntellectualSum, state.IntellectualScale);
    if (e) ++side.EmoUp;
    if (IsDown(state.EmotionalSymbol)) --side.EmoDown;
    side.Members.push_back(MemberDay{member.Name, state.PhysicalSymbol, state.EmotionalSymbol,
                                     state.IntellectualSymbol});
  }
  return side;
}

TeamChart ChartTeam(GLOBAL& g, const TeamRecord& team, std::int16_t& emoUp,
                    std::int16_t& emoDown) {
  const std::vector<ChartedMember> members = ChartedMembers(g, team, g.EventDate, true);
  // No member passes the checks when the event date is no date.
  TeamChart chart;
  chart.Day = members.empty() ? SideDay{} : ChartSide(g, members, *ReadDate(g.EventDate));
  const SideDay& side = chart.Day;
  emoUp = static_cast<std::int16_t>(side.EmoUp);
  emoDown = static_cast<std::int16_t>(side.EmoDown);
  for (const MemberDay& member : side.Members) {
    chart.Lines.push_back(ChartLine(member.Name, member.Physical, member.Emotional, member.Intellectual));
  }
  chart.Sums = " Phy = " + SumText(side.PhysicalSum) + "    Emo = " + SumText(side.EmotionalSum) +
               "    Intellect = " + SumText(side.IntellectualSum);
  chart.DoublePluses = "  Double pluses  = " + std::to_string(side.DoublePluses);
  chart.Balance = "   " + std::to_string(emoUp) + "  " + std::to_string(emoDown) + "  =  " +
                  std::to_string(emoUp + emoDown);
  return chart;
}

std::string SumText(const std::optional<double>& sum) { return sum ? Plain(*sum) : std::string(); }

std::string GrandTotal(const GLOBAL& g) {
  return "  Total = " +
         std::to_string(g.GroupEmoUp1 + g.GroupEmoDown1 + g.GroupEmoUp2 + g.GroupEmoDown2);
}
