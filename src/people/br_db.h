#pragma once

#include "core/globals.h"
#include "platform/form.h"

class BR_DB : public Form {
 public:
  explicit BR_DB(GLOBAL& g) : Form(g.platform.desktop, "BR_DB", "Database", 6000, 4000) {}
};
