#include "core/dates.h"

#include "platform/dialogs.h"

namespace {

constexpr Date DateFloor{std::chrono::year{1752}, std::chrono::September, std::chrono::day{2}};

void DateError(GLOBAL& g, const std::string& text) { g.platform.dialogs.Error(text, "Error"); }

}  // namespace

void NormaliseDate(std::string& text) {
  if (const auto date = ReadDate(text)) text = WriteDate(*date);
}

bool ValidDate(GLOBAL& g, std::string& text) {
  NormaliseDate(text);
  const auto date = ReadDate(text);
  if (!date) {
    DateError(g, text + " is not a valid date !");
  } else if (DaysBetween(DateFloor, *date) < 0) {
    DateError(g, "Date must be later than Sept 2, 1752 !");
  } else {
    return true;
  }
  text = TodayText(g);
  return false;
}

std::string DatesFault(const GLOBAL& g, const std::string& name, std::string& dob,
                       const std::string& eventDate) {
  NormaliseDate(dob);
  const auto birth = ReadDate(dob);
  if (!birth || DaysBetween(g.platform.clock.Today(), *birth) > 0) {
    return "Invalid date of birth : " + name + "(" + dob + ") !";
  }
  const auto event = ReadDate(eventDate);
  if (!event) return "Invalid event date : " + eventDate + " !";
  if (DaysBetween(*event, *birth) > 0) {
    return name + "(" + dob + ") was born after the event date (" + eventDate + ") !";
  }
  return "";
}

bool CheckDates(GLOBAL& g, const std::string& name, std::string& dob,
                const std::string& eventDate) {
  const std::string fault = DatesFault(g, name, dob, eventDate);
  if (!fault.empty()) DateError(g, fault);
  return fault.empty();
}
