// The About window: the program's name, what it does, and OK.
#pragma once

#include "core/globals.h"
#include "platform/form.h"
#include "platform/picture_box.h"

class BR_ABOUT : public Form {
 public:
  explicit BR_ABOUT(GLOBAL& g);

  // OK comes first in the keyboard's order: the window opens with it in hand, and the space
  // bar closes it.
  Button Command1;
  PictureBox Image1;  // the three cycles over the first month of a life
  Label Label1;
  Label Label2;
  Label Label3;

  void Command1_Click();
};
