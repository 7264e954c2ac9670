#include "platform/qt/item_list_model.h"

#include "platform/qt/qt_text.h"

ItemListModel::ItemListModel(const ItemList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list), rows_(list.ListCount()), version_(list.RowsVersion()) {}

int ItemListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
  // Between a change of the rows and the view catching up, the view may still ask for a row
  // the control no longer has.
  if (!index.isValid() || index.row() >= list_.ListCount()) return {};
  const ItemList::Item& item = list_.Items()[static_cast<size_t>(index.row())];
  if (role == Qt::DisplayRole) return ToQt(item.Text);
  if (role == Qt::UserRole) return item.Number;
  return {};
}

void ItemListModel::Follow() {
  if (version_ == list_.RowsVersion()) return;
  beginResetModel();
  rows_ = list_.ListCount();
  version_ = list_.RowsVersion();
  endResetModel();
}
