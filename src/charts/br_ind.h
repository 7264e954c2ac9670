#pragma once

#include "core/globals.h"
#include "platform/form.h"

class br_ind : public Form {
 public:
  explicit br_ind(GLOBAL& g) : Form(g.platform.desktop, "br_ind", "Individual", 6000, 4000) {}
};
