#include "support/doubles.h"

#include <sstream>

Answer ScriptedDialogs::MsgBox(const std::string& text, Buttons buttons, Icon icon,
                               const std::string& title) {
  boxes.push_back(Box{text, buttons, icon, title});
  if (buttons == Buttons::OK || answers.empty()) return Answer::OK;
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::string ScriptedDialogs::Next(std::deque<std::string>& script) {
  if (script.empty()) return "";
  std::string answer = std::move(script.front());
  script.pop_front();
  return answer;
}

std::vector<std::string> ScriptedDialogs::Texts() const {
  std::vector<std::string> texts;
  for (const Box& box : boxes) texts.push_back(box.text);
  return texts;
}

std::vector<std::string> ScriptedDialogs::TitledTexts() const {
  std::vector<std::string> texts;
  for (const Box& box : boxes) texts.push_back(box.title + ": " + box.text);
  return texts;
}

std::vector<std::string> ScriptedDialogs::Questions() const {
  std::vector<std::string> questions;
  for (const Box& box : boxes) {
    if (box.buttons == Buttons::OKCancel) questions.push_back(box.text);
  }
  return questions;
}

bool RecordingPrinter::Record(std::string call) {
  if (onCall) onCall();
  const bool fails = failFrom >= 0 && static_cast<int>(calls.size()) >= failFrom;
  calls.push_back(std::move(call));
  return !fails;
}

bool RecordingPrinter::SetFontSize(double points) {
  std::ostringstream text;
  text << "size " << points;
  return Record(text.str());
}

bool RecordingPrinter::PrintPicture(int width, int height, const PaintRoutine& paint) {
  paint(pictures.emplace_back(), width, height);
  return Record("picture " + std::to_string(width) + " " + std::to_string(height));
}

std::vector<std::vector<Point>> RecordingDrawing::Polylines(Colour colour) const {
  std::vector<std::vector<Point>> lines;
  for (const Stroke& stroke : strokes) {
    if (stroke.colour == colour && stroke.points.size() > 2) lines.push_back(stroke.points);
  }
  return lines;
}
