// The main control panel: the first window, the one that opens all the others, and the one
// whose closing ends the program.
#pragma once

#include "core/globals.h"
#include "platform/form.h"

class br_cp : public Form {
 public:
  explicit br_cp(GLOBAL& g);

  Button Command1;  // "&Bio Calendar"
  Button Command6;  // "&NFL"
  Button Command7;  // "NB&A"
  Button Command2;  // "&Team Manager"
  Button Command3;  // "&Database"
  Button Command4;  // "Ab&out"

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command6_Click();
  void Command7_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void OpenLeague(const char* preset);
  GLOBAL& g;
};
