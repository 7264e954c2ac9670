#include "platform/qt/list_widget.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QSet>

namespace {

const QString DragFormat = QStringLiteral("application/x-ondulix-list-row");

// The lists alive now: a drop names its source by address, and only a live list is taken.
QSet<const ListWidget*>& LiveLists() {
  static QSet<const ListWidget*> lists;
  return lists;
}

}  // namespace

ListWidget::ListWidget(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  LiveLists().insert(this);
}

ListWidget::~ListWidget() { LiveLists().remove(this); }

QMimeData* ListWidget::DragData() const {
  auto* data = new QMimeData;
  data->setData(DragFormat, QByteArray::number(reinterpret_cast<quintptr>(this)));
  return data;
}

ListWidget* ListWidget::Source(const QMimeData* data) {
  if (!data || !data->hasFormat(DragFormat)) return nullptr;
  bool ok = false;
  const auto address = data->data(DragFormat).toULongLong(&ok);
  auto* source = reinterpret_cast<ListWidget*>(static_cast<quintptr>(address));
  return ok && LiveLists().contains(source) ? source : nullptr;
}

int ListWidget::RowAt(QPoint point) const {
  const QModelIndex index = indexAt(point);
  return index.isValid() ? index.row() : -1;
}

void ListWidget::mousePressEvent(QMouseEvent* event) {
  // The pressed row becomes current first, so the drag carries the row the user pressed.
  QListWidget::mousePressEvent(event);
  pressed_ = event->button() == Qt::LeftButton;
  pressedAt_ = event->position().toPoint();
}

void ListWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!dragSource || !pressed_ || !(event->buttons() & Qt::LeftButton)) {
    QListWidget::mouseMoveEvent(event);
    return;
  }
  if ((event->position().toPoint() - pressedAt_).manhattanLength() < QApplication::startDragDistance()) return;
  pressed_ = false;
  auto* drag = new QDrag(this);
  drag->setMimeData(DragData());
  drag->exec(Qt::CopyAction);
}

void ListWidget::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void ListWidget::dragMoveEvent(QDragMoveEvent* event) {
  if (onDrop && Source(event->mimeData())) event->acceptProposedAction();
  else event->ignore();
}

void ListWidget::dropEvent(QDropEvent* event) {
  ListWidget* source = Source(event->mimeData());
  if (!onDrop || !source) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  onDrop(*source, RowAt(event->position().toPoint()));
}
