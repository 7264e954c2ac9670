// The widget of a picture box: white paper in a thin frame, on which the program draws.
#pragma once

#include <QWidget>
#include <memory>

#include "platform/picture_box.h"
#include "platform/qt/control_binding.h"

class DrawingWidget : public QWidget {
  Q_OBJECT

 public:
  DrawingWidget(const PictureBox& picture, QWidget* window);
  const PictureBox& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const PictureBox& picture_;
};

std::unique_ptr<ControlBinding> BindPicture(PictureBox& picture, QWidget* window);
