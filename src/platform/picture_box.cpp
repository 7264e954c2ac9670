#include "platform/picture_box.h"

PictureBox::PictureBox(Form& owner, std::string name, Rect place)
    : Control(owner, Kind::PictureBox, std::move(name), place) {}

void PictureBox::Paint(Drawing& drawing) const {
  if (OnPaint) OnPaint(drawing, Place.Width, Place.Height);
}
