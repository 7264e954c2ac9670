#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include "support/doubles.h"

namespace {

TEST(Confirm, AnswersTrueOnlyForOK) {
  ScriptedDialogs dialogs;
  dialogs.answers = {Answer::OK, Answer::Cancel};
  EXPECT_TRUE(Confirm(dialogs, "Go on ?"));
  EXPECT_FALSE(Confirm(dialogs, "Go on ?"));
  ASSERT_EQ(dialogs.boxes.size(), 2u);
  EXPECT_EQ(dialogs.boxes[0].text, "Go on ?");
  EXPECT_EQ(dialogs.boxes[0].title, "Confirm");
  EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::OKCancel);
  EXPECT_EQ(dialogs.boxes[0].icon, Icon::None);
}

}  // namespace
