// The import window: people from a CSV file another program saved, added to the database the
// manager shows. It previews the first rows, shows which columns give the name and the date of
// birth, lets the user change every guess, and says before anything changes how many people
// will be added and which rows are skipped, and why.
#pragma once

#include <functional>
#include <string>

#include "core/globals.h"
#include "people/person_import.h"
#include "platform/form.h"
#include "platform/grid.h"

class BR_IMP : public Form {
 public:
  BR_IMP(GLOBAL& g, PeopleDatabase& database);

  Label LabelFile;  // the file's name
  Label LabelSeparator;
  ComboBox Separator;
  Label LabelEncoding;
  ComboBox Encoding;
  Label LabelHeader;
  ComboBox Header;  // whether the first row names the columns
  Label LabelName;
  ComboBox NameColumn;  // the whole name, or the last name when a first name column is chosen
  Label LabelFirst;
  ComboBox FirstColumn;
  Label LabelDateForm;
  ComboBox DateForm;  // the order of one date column, or three columns
  Label LabelDate;
  ComboBox DateColumn;  // the whole date, or the year
  Label LabelMonth;
  ComboBox MonthColumn;
  Label LabelDay;
  ComboBox DayColumn;
  Label LabelPreview;
  Grid Preview;
  Label Summary;  // "1,234 people will be added, 56 rows skipped"
  Label LabelSkipped;
  ListBox Skipped;  // "Line 12: no name"
  Button ImpOK;
  Button ImpCancel;

  // Reads the file's bytes with the guessed encoding, separator and columns and shows what they
  // would import.
  void ShowFile(const std::string& fileName, std::string bytes);
  // Told when the window closes: whether people were added.
  std::function<void(bool imported)> OnClosed;

  void Separator_Click();
  void Encoding_Click();
  void Header_Click();
  void NameColumn_Click();
  void FirstColumn_Click();
  void DateForm_Click();
  void DateColumn_Click();
  void MonthColumn_Click();
  void DayColumn_Click();
  void ImpOK_Click();
  void ImpCancel_Click();

 protected:
  void Form_Unload() override;

 private:
  // Reads the bytes in the encoding and with the separator given (guessed when not given),
  // guesses the columns anew and shows them and what they would import.
  void ReadTable(TextEncoding encoding, char separator);
  // The encoding or the separator the user picked: the file read again with them.
  void ReadAsPicked();
  // The lists show the choices.
  void ShowChoices();
  // A choice the user changed: the choices as the lists give them, and what they import.
  void ChoiceChanged();
  // The plan for the choices, shown in the preview, the summary and the skipped rows.
  void ShowPlan();
  // "Column 2", with its heading when the first row names the columns.
  std::string ColumnTitle(size_t column) const;
  // What the choices read from the column: "name", "date of birth (d/m/y)", "not read".
  std::string ColumnUse(int column) const;

  GLOBAL& g;
  PeopleDatabase& db;
  std::string bytes_;
  ImportTable table_;
  ImportChoices choices_;
  ImportPlan plan_;
  bool imported_ = false;
  // Set while the program fills the lists, which is no pick of the user's.
  bool showing_ = false;
};
