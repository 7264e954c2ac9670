// The main control panel: the first window, the one that opens all the others, and the one
// whose closing ends the program.
#pragma once

#include "core/globals.h"
#include "platform/form.h"

class BR_ABOUT;
class BR_DB;
class br_grp;
class br_ind;
class BR_TM;

class br_cp : public Form {
 public:
  explicit br_cp(GLOBAL& g);
  ~br_cp() override;

  Button Command1;  // "&Bio Calendar"
  Button Command6;  // "&NFL"
  Button Command7;  // "NB&A"
  Button Command2;  // "&Team Manager"
  Button Command3;  // "&Database"
  Button Command4;  // "Ab&out"

  // The windows the buttons open, each at most once.
  WindowRef<::br_ind> br_ind;
  WindowRef<::br_grp> br_grp;
  WindowRef<::BR_TM> BR_TM;
  WindowRef<::BR_DB> BR_DB;
  WindowRef<::BR_ABOUT> BR_ABOUT;

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
