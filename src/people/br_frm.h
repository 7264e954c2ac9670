// The individual details dialog: one person's name and date of birth, typed or corrected for
// the database manager and handed back to it when the dialog closes.
#pragma once

#include <functional>

#include "core/globals.h"
#include "platform/form.h"

class BR_FRM : public Form {
 public:
  explicit BR_FRM(GLOBAL& g);

  Label Label2;  // "Name"
  TextBox tb_name;
  Label Label3;  // "Born"
  TextBox tb_dob;
  Button Command1;  // "&OK"
  Button cb_close;  // "&Cancel"

  // Told when the dialog has closed, however it closed; the entry itself is in EntryAccepted,
  // EntryName and EntryDob.
  std::function<void()> OnClosed;

  void Command1_Click();
  void cb_close_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  // Says why and gives false when the database could not keep the name typed.
  bool NameAccepted();

  GLOBAL& g;
};
