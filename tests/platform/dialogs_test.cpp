#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include "support/doubles.h"

namespace {

TEST(Confirm, AnswersTrueOnlyForOK) {
  ScriptedDialogs dialogs;
  dialogs.answers = {Answer::OK, Answer::Cancel};
  EXPECT_TRUE(Confirm(dialogs, "Go on ?"));
  EXPECT_FALSE(Confirm(dialogs, "Go on ?"));
  const ScriptedDialogs::Box asked{"Go on ?", Buttons::OKCancel, Icon::None, "Confirm"};
  EXPECT_EQ(dialogs.boxes, (std::vector<ScriptedDialogs::Box>{asked, asked}));
}

}  // namespace
