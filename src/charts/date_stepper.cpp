#include "charts/date_stepper.h"

void DateStepper(Date& stepDate, int days, TextBox& box) {
  stepDate = AddDays(stepDate, days);
  box.SetText(WriteDate(stepDate));
}
