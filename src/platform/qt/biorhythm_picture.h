// The About window's picture: the three cycles drawn as waves over one month.
#pragma once

#include <QWidget>

class BiorhythmPicture : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
