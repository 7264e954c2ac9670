#include "support/manager_world.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string TrimmedName(const std::string& row) {
  const size_t end = row.find_last_not_of(' ', 20);
  return row.substr(0, end == std::string::npos ? 0 : end + 1);
}

}  // namespace

void ManagerWorld::WriteDatabase(const std::string& fileName, const People& people) const {
  std::string text;
  for (const auto& [name, dob] : people) text += name + "\r\n" + dob + "\r\n";
  folder.Write(fileName, text);
}

std::vector<std::string> ManagerWorld::SavedNames(const std::string& fileName) const {
  std::vector<std::string> names;
  if (!folder.Has(fileName)) return names;
  std::istringstream lines(folder.Read(fileName));
  std::string name, dob;
  while (std::getline(lines, name) && std::getline(lines, dob)) {
    if (!name.empty() && name.back() == '\r') name.pop_back();
    names.push_back(name);
  }
  return names;
}

BR_DB& ManagerWorld::Open() { return g.BR_DB.Open(g); }

void ManagerWorld::Enter(const std::string& name, const std::string& dob) {
  ASSERT_TRUE(g.BR_FRM.Loaded());
  dialog().tb_name.SetText(name);
  dialog().tb_dob.SetText(dob);
  dialog().Command1.Click();
}

void ManagerWorld::Add(const std::string& name, const std::string& dob) {
  manager().DbAdd.Click();
  Enter(name, dob);
}

void ManagerWorld::Pick(const std::string& name) {
  const auto names = ListedNames();
  for (size_t row = 0; row < names.size(); ++row) {
    if (names[row] == name) return manager().Contents.SetListIndex(static_cast<int>(row));
  }
  FAIL() << name << " is not listed";
}

std::vector<std::string> ManagerWorld::ListedNames() const {
  std::vector<std::string> names;
  for (const auto& item : manager().Contents.Items()) names.push_back(TrimmedName(item.Text));
  return names;
}

std::vector<std::string> ManagerWorld::Questions() const {
  std::vector<std::string> questions;
  for (const auto& box : dialogs.boxes) {
    if (box.buttons == Buttons::OKCancel) questions.push_back(box.text);
  }
  return questions;
}
