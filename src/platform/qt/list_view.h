// The widget of a list box. It shows the rows and the current row its binding gives it and
// passes on only what the user does: taking the focus picks no row, and the arrow keys step
// from the row the window last acted on even when the window has deselected it since.
// Rows of a drag source are dragged, with the list's own drag icon, as soon as a mouse button
// goes down on one; a list that takes drops is told where they fell. The drag itself names the
// list it came from: what it carries says only that it is a row, so data of another program,
// even in the same form, is never taken for one of these lists.
#pragma once

#include <QListView>
#include <QPoint>
#include <functional>

class QDropEvent;
class QMimeData;

class ListView : public QListView {
 public:
  explicit ListView(QWidget* parent);

  // Whether rows of this list may be dragged away.
  bool dragSource = false;
  // The row the arrow keys move on from while no row is current (-1: the first row).
  std::function<int()> anchorRow;
  // Called with the list the rows came from and the row under the pointer (-1 below the last).
  std::function<void(ListView& source, int row)> onDrop;

  // What a drag of a row carries: that it is a row of one of these lists, and nothing else.
  static QMimeData* DragData();
  // The pointer's picture while a row of this list is dragged.
  static QPixmap DragIcon();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  static ListView* Source(const QDropEvent& event);
  int RowAt(QPoint point) const;
  void StartDrag();

  bool buttonDown_ = false;
};
