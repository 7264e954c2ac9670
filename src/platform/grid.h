// A table the user reads but does not change: a heading over each column and rows of cells, as
// a preview of a file shows what will be read from it.
#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"

class Grid : public Control {
 public:
  using Row = std::vector<std::string>;

  Grid(Form& owner, std::string name, Rect place);

  const std::vector<std::string>& Headings() const { return headings_; }
  const std::vector<Row>& Rows() const { return rows_; }
  // Shows these headings and rows in place of those shown; a row shorter than the headings
  // leaves its last cells empty.
  void SetTable(std::vector<std::string> headings, std::vector<Row> rows);

 private:
  std::vector<std::string> headings_;
  std::vector<Row> rows_;
};
