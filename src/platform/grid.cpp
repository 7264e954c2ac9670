#include "platform/grid.h"

Grid::Grid(Form& owner, std::string name, Rect place) : Control(owner, Kind::Grid, std::move(name), place) {}

void Grid::SetTable(std::vector<std::string> headings, std::vector<Row> rows) {
  headings_ = std::move(headings);
  rows_ = std::move(rows);
  Changed();
}
