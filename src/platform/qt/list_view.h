// The widget of a list box. It shows the rows and the current row its binding gives it and
// passes on only what the user does: taking the focus picks no row, and the arrow keys step
// from the row the window last acted on even when the window has deselected it since.
// Rows of a drag source are dragged, with the list's own drag icon, as soon as a mouse button
// goes down on one; a list that takes drops is told where they fell.
#pragma once

#include <QListView>
#include <QPoint>
#include <functional>

class QMimeData;

class ListView : public QListView {
 public:
  explicit ListView(QWidget* parent);
  ~ListView() override;

  // Whether rows of this list may be dragged away.
  bool dragSource = false;
  // The row the arrow keys move on from while no row is current (-1: the first row).
  std::function<int()> anchorRow;
  // Called with the list the rows came from and the row under the pointer (-1 below the last).
  std::function<void(ListView& source, int row)> onDrop;

  // What a drag from this list carries: which list it came from.
  QMimeData* DragData() const;
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
  static ListView* Source(const QMimeData* data);
  int RowAt(QPoint point) const;
  void StartDrag();

  bool buttonDown_ = false;
};
