#pragma once

#include "core/globals.h"
#include "platform/form.h"

class BR_FRM : public Form {
 public:
  explicit BR_FRM(GLOBAL& g) : Form(g.platform.desktop, "BR_FRM", "Individual Details", 6000, 4000) {}
};
