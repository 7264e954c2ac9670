#include "platform/qt/list_view.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

const QString DragFormat = QStringLiteral("application/x-ondulix-list-row");

}  // namespace

ListView::ListView(QWidget* parent) : QListView(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  // Every row has the same height, so a list of thousands of persons is laid out at once.
  setUniformItemSizes(true);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
}

QMimeData* ListView::DragData() {
  auto* data = new QMimeData;
  data->setData(DragFormat, QByteArray());
  return data;
}

// A card with a name line and a date line: one person on the move.
QPixmap ListView::DragIcon() {
  QPixmap icon(32, 32);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(40, 40, 120), 2));
  painter.setBrush(QColor(192, 192, 255));
  painter.drawRoundedRect(QRectF(3, 6, 26, 20), 3, 3);
  painter.drawLine(QPointF(8, 13), QPointF(24, 13));
  painter.drawLine(QPointF(8, 19), QPointF(18, 19));
  return icon;
}

// Only a drag this program runs has a source; one of another program has none.
ListView* ListView::Source(const QDropEvent& event) {
  if (!event.mimeData() || !event.mimeData()->hasFormat(DragFormat)) return nullptr;
  return dynamic_cast<ListView*>(event.source());
}

int ListView::RowAt(QPoint point) const {
  const QModelIndex index = indexAt(point);
  return index.isValid() ? index.row() : -1;
}

// The focus alone picks nothing: no row becomes current as the list takes it.
void ListView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

// While the window shows no current row, the keys step from its anchor row; where there is no
// row to step to, nothing is picked and the list stays without a current row.
QModelIndex ListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  if (currentIndex().isValid() || !anchorRow) return QListView::moveCursor(action, modifiers);
  const int anchor = anchorRow();
  if (anchor < 0 || anchor >= model()->rowCount()) return model()->index(0, 0);
  const QModelIndex from = model()->index(anchor, 0);
  selectionModel()->setCurrentIndex(from, QItemSelectionModel::NoUpdate);
  const QModelIndex to = QListView::moveCursor(action, modifiers);
  if (to != from) return to;
  selectionModel()->clearCurrentIndex();
  return {};
}

void ListView::mousePressEvent(QMouseEvent* event) {
  // The pressed row is picked first, so the drag carries the row the user pressed.
  QListView::mousePressEvent(event);
  buttonDown_ = true;
  if (!dragSource || RowAt(event->position().toPoint()) < 0) return;
  // The drag begins once the press has been handled, if the button is still down by then: a
  // plain click only picks the row.
  QTimer::singleShot(0, this, [this] {
    if (buttonDown_) StartDrag();
  });
}

// Moving with a button down does not sweep the selection over other rows: each row passed
// would be a pick of its own.
void ListView::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() == Qt::NoButton) QListView::mouseMoveEvent(event);
}

void ListView::mouseReleaseEvent(QMouseEvent* event) {
  buttonDown_ = false;
  QListView::mouseReleaseEvent(event);
}

void ListView::StartDrag() {
  buttonDown_ = false;
  auto* drag = new QDrag(this);
  drag->setMimeData(DragData());
  drag->setPixmap(DragIcon());
  drag->setHotSpot(QPoint(16, 16));
  drag->exec(Qt::CopyAction);
}

void ListView::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void ListView::dragMoveEvent(QDragMoveEvent* event) {
  if (onDrop && Source(*event)) event->acceptProposedAction();
  else event->ignore();
}

void ListView::dropEvent(QDropEvent* event) {
  ListView* source = Source(*event);
  if (!onDrop || !source) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  onDrop(*source, RowAt(event->position().toPoint()));
}
