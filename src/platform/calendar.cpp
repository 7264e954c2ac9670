#include "platform/calendar.h"

#include <cctype>
#include <cstdio>
#include <ctime>

using namespace std::chrono;

Date SystemClock::Today() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return Date{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
              day{static_cast<unsigned>(local.tm_mday)}};
}

sys_seconds SystemClock::Now() const { return floor<seconds>(system_clock::now()); }

namespace {

// Reads a run of digits, at least `least` and at most `most` of them.
bool ReadNumber(std::string_view& text, size_t least, size_t most, int& value) {
  size_t n = 0;
  value = 0;
  while (n < text.size() && n < most && std::isdigit(static_cast<unsigned char>(text[n]))) {
    value = value * 10 + (text[n] - '0');
    ++n;
  }
  if (n < least || (n < text.size() && std::isdigit(static_cast<unsigned char>(text[n])))) {
    return false;
  }
  text.remove_prefix(n);
  return true;
}

void TrimBlanks(std::string_view& text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
}

}  // namespace

std::optional<Date> ReadDate(std::string_view text) {
  TrimBlanks(text);
  int m = 0, d = 0, y = 0;
  if (!ReadNumber(text, 1, 2, m) || text.empty()) return std::nullopt;
  const char separator = text.front();
  if (separator != '/' && separator != '-' && separator != '.') return std::nullopt;
  text.remove_prefix(1);
  if (!ReadNumber(text, 1, 2, d) || text.empty() || text.front() != separator) return std::nullopt;
  text.remove_prefix(1);
  if (!ReadNumber(text, 4, 4, y) || !text.empty()) return std::nullopt;
  const Date date{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
  if (!date.ok()) return std::nullopt;
  return date;
}

std::string WriteDate(Date date) {
  char text[16];
  std::snprintf(text, sizeof text, "%02u/%02u/%04d", static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()), static_cast<int>(date.year()));
  return text;
}

std::string WriteIsoDate(Date date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

long DaysBetween(Date from, Date to) {
  return static_cast<long>((sys_days{to} - sys_days{from}).count());
}

Date AddDays(Date date, int days) { return Date{sys_days{date} + std::chrono::days{days}}; }
