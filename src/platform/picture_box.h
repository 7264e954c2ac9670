// A control that shows a picture the program draws: the window calls the picture's paint
// routine whenever it shows the control, with the control's size in twips.
#pragma once

#include "platform/controls.h"
#include "platform/drawing.h"

class PictureBox : public Control {
 public:
  PictureBox(Form& owner, std::string name, Rect place);

  PaintRoutine OnPaint;
  // What the picture shows has changed: the window draws it again.
  void Repaint() { Changed(); }
  // Draws the picture on the drawing at the control's size.
  void Paint(Drawing& drawing) const;
};
