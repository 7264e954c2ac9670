#include "people/br_imp.h"

#include <array>

#include "platform/dialogs.h"

namespace {

constexpr int Margin = 120;
constexpr int LabelWidth = 1740;
constexpr int ListWidth = 2520;
constexpr int RightLeft = Margin + LabelWidth + ListWidth + 240;
constexpr int WindowWidth = RightLeft + LabelWidth + ListWidth + Margin;
constexpr int Inside = WindowWidth - 2 * Margin;
constexpr int ChoicesTop = 480;
constexpr int ChoiceStep = 405;
constexpr int PreviewTop = ChoicesTop + 5 * ChoiceStep + 300;
constexpr int PreviewHeight = 2400;
constexpr int SummaryTop = PreviewTop + PreviewHeight + 120;
constexpr int SummaryHeight = 450;  // two lines, for a summary that says how many did not fit
constexpr int SkippedTop = SummaryTop + SummaryHeight + 285;
constexpr int SkippedHeight = 1230;
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 375;
constexpr int WindowHeight = SkippedTop + SkippedHeight + Margin;

// The file's first rows that the preview shows.
constexpr size_t PreviewRows = 20;
constexpr int ThreeColumns = 3;  // the date form read from year, month and day columns

Rect ChoiceLabel(int left, int row) { return Rect{left, ChoicesTop + row * ChoiceStep + 45, LabelWidth - 60, 255}; }
Rect ChoiceList(int left, int row) { return Rect{left + LabelWidth, ChoicesTop + row * ChoiceStep, ListWidth, 315}; }
Rect ButtonAt(int top) { return Rect{WindowWidth - Margin - ButtonWidth, top, ButtonWidth, ButtonHeight}; }

constexpr std::array<const char*, 3> OrderNames = {"m/d/y", "d/m/y", "y-m-d"};

int Picked(const ComboBox& list) { return list.ListIndex() < 0 ? -1 : list.ItemData(list.ListIndex()); }

void Choose(ComboBox& list, int number) {
  for (int row = 0; row < list.ListCount(); ++row) {
    if (list.ItemData(row) == number) return list.SetListIndex(row);
  }
  list.SetListIndex(-1);
}

}  // namespace

BR_IMP::BR_IMP(GLOBAL& g, PeopleDatabase& database)
    : Form(g.platform.desktop, "BR_IMP", "Import People", WindowWidth, WindowHeight),
      LabelFile(*this, "LabelFile", Rect{Margin, 120, Inside, 255}),
      LabelSeparator(*this, "LabelSeparator", ChoiceLabel(Margin, 0), "&Separator"),
      Separator(*this, "Separator", ChoiceList(Margin, 0), false),
      LabelEncoding(*this, "LabelEncoding", ChoiceLabel(RightLeft, 0), "&Encoding"),
      Encoding(*this, "Encoding", ChoiceList(RightLeft, 0), false),
      LabelHeader(*this, "LabelHeader", ChoiceLabel(Margin, 1), "First &row"),
      Header(*this, "Header", ChoiceList(Margin, 1), false),
      LabelName(*this, "LabelName", ChoiceLabel(Margin, 2), "&Name or last name"),
      NameColumn(*this, "NameColumn", ChoiceList(Margin, 2), false),
      LabelFirst(*this, "LabelFirst", ChoiceLabel(Margin, 3), "&First name"),
      FirstColumn(*this, "FirstColumn", ChoiceList(Margin, 3), false),
      LabelDateForm(*this, "LabelDateForm", ChoiceLabel(RightLeft, 1), "&Date written as"),
      DateForm(*this, "DateForm", ChoiceList(RightLeft, 1), false),
      LabelDate(*this, "LabelDate", ChoiceLabel(RightLeft, 2), "Date or &year"),
      DateColumn(*this, "DateColumn", ChoiceList(RightLeft, 2), false),
      LabelMonth(*this, "LabelMonth", ChoiceLabel(RightLeft, 3), "&Month"),
      MonthColumn(*this, "MonthColumn", ChoiceList(RightLeft, 3), false),
      LabelDay(*this, "LabelDay", ChoiceLabel(RightLeft, 4), "D&ay"),
      DayColumn(*this, "DayColumn", ChoiceList(RightLeft, 4), false),
      LabelPreview(*this, "LabelPreview", Rect{Margin, PreviewTop - 285, Inside, 255}, "&Preview"),
      Preview(*this, "Preview", Rect{Margin, PreviewTop, Inside, PreviewHeight}),
      Summary(*this, "Summary", Rect{Margin, SummaryTop, Inside, SummaryHeight}),
      LabelSkipped(*this, "LabelSkipped", Rect{Margin, SkippedTop - 285, 3000, 255}, "S&kipped rows"),
      Skipped(*this, "Skipped", Rect{Margin, SkippedTop, Inside - ButtonWidth - 240, SkippedHeight}, false),
      ImpOK(*this, "ImpOK", ButtonAt(SkippedTop), "&Import"),
      ImpCancel(*this, "ImpCancel", ButtonAt(SkippedTop + ButtonHeight + 120), "&Cancel"),
      g(g),
      db(database) {
  IsDialog = true;
  Summary.TextFont.Bold = true;
  Summary.WordWrap = true;
  ImpCancel.Cancel = true;
  for (auto [label, control] : std::initializer_list<std::pair<Label*, Control*>>{
           {&LabelSeparator, &Separator}, {&LabelEncoding, &Encoding}, {&LabelHeader, &Header},
           {&LabelName, &NameColumn}, {&LabelFirst, &FirstColumn}, {&LabelDateForm, &DateForm},
           {&LabelDate, &DateColumn}, {&LabelMonth, &MonthColumn}, {&LabelDay, &DayColumn},
           {&LabelPreview, &Preview}, {&LabelSkipped, &Skipped}}) {
    control->Buddy = label;
  }
  Separator.AddItem("Comma", ',');
  Separator.AddItem("Semicolon", ';');
  Separator.AddItem("Tab", '\t');
  Encoding.AddItem("UTF-8", static_cast<int>(TextEncoding::Utf8));
  Encoding.AddItem("Latin-1", static_cast<int>(TextEncoding::Latin1));
  Header.AddItem("Names the columns", 1);
  Header.AddItem("Is a person", 0);
  for (size_t order = 0; order < OrderNames.size(); ++order) {
    DateForm.AddItem(std::string("One column, ") + OrderNames[order], static_cast<int>(order));
  }
  DateForm.AddItem("Year, month, day columns", ThreeColumns);

  Separator.OnClick = [this] { Separator_Click(); };
  Encoding.OnClick = [this] { Encoding_Click(); };
  Header.OnClick = [this] { Header_Click(); };
  NameColumn.OnClick = [this] { NameColumn_Click(); };
  FirstColumn.OnClick = [this] { FirstColumn_Click(); };
  DateForm.OnClick = [this] { DateForm_Click(); };
  DateColumn.OnClick = [this] { DateColumn_Click(); };
  MonthColumn.OnClick = [this] { MonthColumn_Click(); };
  DayColumn.OnClick = [this] { DayColumn_Click(); };
  ImpOK.OnClick = [this] { ImpOK_Click(); };
  ImpCancel.OnClick = [this] { ImpCancel_Click(); };
}

void BR_IMP::ShowFile(const std::string& fileName, std::string bytes) {
  LabelFile.SetCaption("File: " + fileName);
  bytes_ = std::move(bytes);
  ReadTable(TextEncoding::Guess, 0);
}

void BR_IMP::Form_Unload() {
  if (OnClosed) OnClosed(imported_);
}

void BR_IMP::ReadTable(TextEncoding encoding, char separator) {
  table_ = ReadImportTable(bytes_, encoding, separator);
  choices_ = GuessChoices(table_.records);
  ShowChoices();
  ShowPlan();
}

std::string BR_IMP::ColumnTitle(size_t column) const {
  std::string title = "Column " + std::to_string(column + 1);
  const bool named = choices_.header && !table_.records.empty();
  const std::vector<std::string>* headings = named ? &table_.records.front().fields : nullptr;
  if (headings && column < headings->size() && !(*headings)[column].empty()) title += ": " + (*headings)[column];
  return title;
}

std::string BR_IMP::ColumnUse(int column) const {
  const NameColumns& name = choices_.name;
  const DateColumns& date = choices_.date;
  if (column == name.whole) return "name";
  if (column == name.last) return "last name";
  if (column == name.first) return "first name";
  if (column == date.whole) return std::string("date of birth, ") + OrderNames[static_cast<size_t>(date.order)];
  if (column == date.year) return "year of birth";
  if (column == date.month) return "month of birth";
  if (column == date.day) return "day of birth";
  return "not read";
}

void BR_IMP::ShowChoices() {
  showing_ = true;
  Choose(Separator, table_.separator);
  Choose(Encoding, static_cast<int>(table_.encoding));
  Choose(Header, choices_.header ? 1 : 0);
  const bool three = choices_.date.whole < 0 && choices_.date.year >= 0;
  Choose(DateForm, three ? ThreeColumns : static_cast<int>(choices_.date.order));
  const bool two = choices_.name.whole < 0 && choices_.name.last >= 0;
  const std::pair<ComboBox*, int> columns[] = {
      {&NameColumn, two ? choices_.name.last : choices_.name.whole},
      {&FirstColumn, choices_.name.first},
      {&DateColumn, three ? choices_.date.year : choices_.date.whole},
      {&MonthColumn, choices_.date.month},
      {&DayColumn, choices_.date.day}};
  const size_t count = ColumnCount(table_.records);
  for (const auto& [list, picked] : columns) {
    list->Clear();
    list->AddItem("(none)", -1);
    for (size_t column = 0; column < count; ++column) {
      list->AddItem(ColumnTitle(column), static_cast<int>(column));
    }
    Choose(*list, picked);
  }
  MonthColumn.SetEnabled(three);
  DayColumn.SetEnabled(three);
  showing_ = false;
}

void BR_IMP::ChoiceChanged() {
  if (showing_) return;
  choices_.header = Picked(Header) == 1;
  const int name = Picked(NameColumn), first = Picked(FirstColumn);
  choices_.name = first < 0 ? NameColumns{name, -1, -1} : NameColumns{-1, name, first};
  const int form = Picked(DateForm), date = Picked(DateColumn);
  choices_.date = form == ThreeColumns
                      ? DateColumns{-1, DateOrder::MonthDayYear, date, Picked(MonthColumn), Picked(DayColumn)}
                      : DateColumns{date, static_cast<DateOrder>(form)};
  // The headings shown in the lists come and go with the first row.
  ShowChoices();
  ShowPlan();
}

void BR_IMP::ShowPlan() {
  plan_ = PlanImport(g, table_.records, choices_, db);
  const size_t columns = ColumnCount(table_.records);
  std::vector<std::string> headings{"Line", "Read as"};
  for (size_t column = 0; column < columns; ++column) {
    headings.push_back(ColumnTitle(column) + " (" + ColumnUse(static_cast<int>(column)) + ")");
  }
  std::vector<Grid::Row> rows;
  auto planned = plan_.rows.begin();
  for (size_t k = choices_.header ? 1 : 0; k < table_.records.size() && rows.size() < PreviewRows; ++k) {
    const CsvRecord& record = table_.records[k];
    // Records holding nothing are left out of the plan; every other one is in it, in order.
    const bool inPlan = planned != plan_.rows.end() && planned->line == record.line;
    Grid::Row row{std::to_string(record.line),
                  !inPlan                   ? "(empty, left out)"
                  : planned->reason.empty() ? planned->person.Name + "  " + planned->person.Dob
                                            : "skipped: " + planned->reason};
    if (inPlan) ++planned;
    row.insert(row.end(), record.fields.begin(), record.fields.end());
    rows.push_back(std::move(row));
  }
  Preview.SetTable(std::move(headings), std::move(rows));
  Summary.SetCaption(ImportSummary(plan_, true));
  Skipped.Clear();
  for (const ImportRow& row : plan_.rows) {
    if (!row.reason.empty()) Skipped.AddItem("Line " + std::to_string(row.line) + ": " + row.reason, row.line);
  }
  ImpOK.SetEnabled(plan_.added > 0);
}

void BR_IMP::ReadAsPicked() {
  if (!showing_) ReadTable(static_cast<TextEncoding>(Picked(Encoding)), static_cast<char>(Picked(Separator)));
}

void BR_IMP::Separator_Click() { ReadAsPicked(); }
void BR_IMP::Encoding_Click() { ReadAsPicked(); }

void BR_IMP::Header_Click() { ChoiceChanged(); }
void BR_IMP::NameColumn_Click() { ChoiceChanged(); }
void BR_IMP::FirstColumn_Click() { ChoiceChanged(); }
void BR_IMP::DateForm_Click() { ChoiceChanged(); }
void BR_IMP::DateColumn_Click() { ChoiceChanged(); }
void BR_IMP::MonthColumn_Click() { ChoiceChanged(); }
void BR_IMP::DayColumn_Click() { ChoiceChanged(); }

void BR_IMP::ImpOK_Click() {
  imported_ = ApplyImport(plan_, db) > 0;
  g.platform.dialogs.MsgBox(ImportSummary(plan_), Buttons::OK, Icon::None, "Import People");
  Unload();
}

void BR_IMP::ImpCancel_Click() { Unload(); }
