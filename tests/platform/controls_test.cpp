#include "platform/controls.h"

#include <gtest/gtest.h>

#include "platform/form.h"
#include "support/world.h"

namespace {

struct ListForm : Form {
  explicit ListForm(Desktop& desktop) : Form(desktop, "ListForm", "List", 3000, 3000) {}
  ListBox sorted{*this, "Sorted", Rect{}, true};
  TextBox box{*this, "Box", Rect{}};
};

// A box of three letters keeps three typed letters, whatever the bytes each takes. A sorted
// list orders rows by text without regard to case, an equal text after those already there,
// whether rows come one by one or in a refill; the current and anchor rows stay on their record
// as rows are sorted in.
TEST(Controls, ABoxKeepsItsLengthInLettersAndASortedListKeepsTheCurrentRowOnItsRecord) {
  FakeDesktop desktop;
  ListForm form(desktop);
  form.box.MaxLength = 3;
  const std::pair<const char*, const char*> typings[] = {
      {"abcd", "abc"}, {"ab", "ab"}, {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "\xC3\xA9\xC3\xA9\xC3\xA9"},
      {"a\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", "a\xE2\x82\xAC\xE2\x82\xAC"}};
  for (const auto& [typed, kept] : typings) {
    form.box.SetText(typed);
    EXPECT_EQ(form.box.Text(), kept) << typed;
  }

  ItemList& list = form.sorted;
  int clicks = 0;
  list.OnClick = [&] { ++clicks; };
  for (const auto& [text, number] : std::vector<std::pair<const char*, int>>{
           {"cole", 1}, {"ADAMS", 2}, {"Cole", 3}, {"baker", 4}}) {
    list.AddItem(text, number);
  }
  EXPECT_EQ(World::Rows(list), (std::vector<std::string>{"ADAMS", "baker", "cole", "Cole"}));

  list.SetListIndex(2);  // the first "cole"
  EXPECT_EQ(clicks, 1);
  list.AddItem("AARON", 5);
  list.AddItem("COLE", 6);
  EXPECT_EQ(World::Rows(list), (std::vector<std::string>{"AARON", "ADAMS", "baker", "cole", "Cole", "COLE"}));
  EXPECT_EQ(list.ItemData(list.ListIndex()), 1);

  // Deselected, the row stays the anchor the keys step from, until the list is refilled.
  list.SetListIndex(-1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list.SelCount(), 0);
  list.AddItem("ABLE", 7);
  EXPECT_EQ(list.ItemData(list.AnchorRow()), 1);
  list.Clear();
  EXPECT_EQ(list.AnchorRow(), -1);
}

}  // namespace
