// The widget of a list box: rows dragged from a list that is a drag source, dropped on a list
// that takes drops.
#pragma once

#include <QListWidget>
#include <QPoint>
#include <functional>

class QMimeData;

class ListWidget : public QListWidget {
 public:
  explicit ListWidget(QWidget* parent);
  ~ListWidget() override;

  // Whether rows of this list may be dragged away.
  bool dragSource = false;
  // Called with the list the rows came from and the row under the pointer (-1 below the last).
  std::function<void(ListWidget& source, int row)> onDrop;

  // What a drag from this list carries: which list it came from.
  QMimeData* DragData() const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  static ListWidget* Source(const QMimeData* data);
  int RowAt(QPoint point) const;

  QPoint pressedAt_;
  bool pressed_ = false;
};
