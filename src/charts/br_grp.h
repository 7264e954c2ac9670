#pragma once

#include "core/globals.h"
#include "platform/form.h"

class br_grp : public Form {
 public:
  explicit br_grp(GLOBAL& g) : Form(g.platform.desktop, "br_grp", "Team", 6000, 4000) {}
};
