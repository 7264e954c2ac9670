#pragma once

#include "core/globals.h"
#include "platform/form.h"

class BR_TM : public Form {
 public:
  explicit BR_TM(GLOBAL& g) : Form(g.platform.desktop, "BR_TM", "Team Manager", 6000, 4000) {}
};
