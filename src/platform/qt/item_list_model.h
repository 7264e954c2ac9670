// The rows of a list control as a Qt item model. The view reads the control's rows where they
// are, so a list of thousands of persons is not copied into the widget; a refill reaches the
// view as one reset.
#pragma once

#include <QAbstractListModel>

#include "platform/controls.h"

class ItemListModel : public QAbstractListModel {
 public:
  ItemListModel(const ItemList& list, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  // The row's text, and its record number under Qt::UserRole.
  QVariant data(const QModelIndex& index, int role) const override;

  // Takes the control's rows when they changed since they were last taken.
  void Follow();

 private:
  const ItemList& list_;
  int rows_ = 0;
  unsigned long version_ = 0;
};
