// Calendar dates: today, and the "mm/dd/yyyy" text they are kept in; and the moment of now,
// which files written for other programs carry.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

using Date = std::chrono::year_month_day;

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date Today() const = 0;
  // Now, in universal time.
  virtual std::chrono::sys_seconds Now() const = 0;
};

// The machine's local date and its clock.
class SystemClock : public Clock {
 public:
  Date Today() const override;
  std::chrono::sys_seconds Now() const override;
};

// Reads a date in month/day/year order: one or two digits for the month and the day, four for
// the year, separated by "/", "-" or "." (the same both times), blanks around it allowed.
// The same text gives the same day on every machine, whatever its locale.
std::optional<Date> ReadDate(std::string_view text);
// "mm/dd/yyyy" with leading zeros.
std::string WriteDate(Date date);
// "yyyy-mm-dd", as files for other programs hold dates: the same in every language.
std::string WriteIsoDate(Date date);
// The last day "mm/dd/yyyy" can write: the date steps and the charted periods stop there.
inline constexpr Date LastDate{std::chrono::year{9999}, std::chrono::December, std::chrono::day{31}};
// Whole days from one date to another (negative when the second is earlier).
long DaysBetween(Date from, Date to);
Date AddDays(Date date, int days);
