#include "charts/date_stepper.h"

#include <algorithm>

using namespace std::chrono;

void DateStepper(Date& stepDate, int days, TextBox& box) {
  // The box shows four-digit years: the steps stop at the first and the last day it can show.
  constexpr Date first{year{1}, January, day{1}};
  stepDate = Date{std::clamp(sys_days{AddDays(stepDate, days)}, sys_days{first}, sys_days{LastDate})};
  box.SetText(WriteDate(stepDate));
}
