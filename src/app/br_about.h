// The About window: the program's name, what it does, and OK.
#pragma once

#include "core/globals.h"
#include "platform/form.h"

class BR_ABOUT : public Form {
 public:
  explicit BR_ABOUT(GLOBAL& g);

  Image Image1;
  Label Label1;
  Label Label2;
  Label Label3;
  Button Command1;

  void Command1_Click();
};
