#include "support/doubles.h"

#include <sstream>

namespace {

// The next scripted answer; empty once the script has run out.
std::string Next(std::deque<std::string>& script) {
  if (script.empty()) return "";
  std::string answer = std::move(script.front());
  script.pop_front();
  return answer;
}

}  // namespace

void FakeDesktop::Show(Form& form) { shown.push_back(form.Name()); }

Answer ScriptedDialogs::MsgBox(const std::string& text, Buttons buttons, Icon icon,
                               const std::string& title) {
  boxes.push_back(Box{text, buttons, icon, title});
  if (buttons == Buttons::OK) return Answer::OK;
  if (answers.empty()) return Answer::OK;
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::string ScriptedDialogs::InputBox(const std::string& prompt, const std::string& title) {
  prompts.push_back(Box{prompt, Buttons::OKCancel, Icon::None, title});
  return Next(inputs);
}

std::string ScriptedDialogs::SaveFileName(const std::string& title,
                                          const std::string& suggestedName,
                                          const std::string& filter) {
  fileQuestions.push_back(FileQuestion{title, suggestedName, filter});
  return Next(files);
}

std::string ScriptedDialogs::OpenFileName(const std::string& title, const std::string& filter) {
  fileQuestions.push_back(FileQuestion{title, "", filter});
  return Next(files);
}

std::vector<std::string> ScriptedDialogs::Texts() const {
  std::vector<std::string> texts;
  for (const Box& box : boxes) texts.push_back(box.text);
  return texts;
}

std::vector<std::string> ScriptedDialogs::Questions() const {
  std::vector<std::string> questions;
  for (const Box& box : boxes) {
    if (box.buttons == Buttons::OKCancel) questions.push_back(box.text);
  }
  return questions;
}

std::string ScriptedDialogs::Last() const { return boxes.empty() ? "" : boxes.back().text; }

bool RecordingPrinter::Record(std::string call) {
  if (onCall) onCall();
  const bool fails = failFrom >= 0 && static_cast<int>(calls.size()) >= failFrom;
  calls.push_back(std::move(call));
  return !fails;
}

bool RecordingPrinter::SetFontName(const std::string& name) { return Record("font " + name); }

bool RecordingPrinter::SetFontSize(double points) {
  std::ostringstream text;
  text << "size " << points;
  return Record(text.str());
}

bool RecordingPrinter::SetBold(bool bold) { return Record(bold ? "bold 1" : "bold 0"); }
bool RecordingPrinter::PrintLine(const std::string& text) { return Record("line " + text); }
bool RecordingPrinter::PrintPicture(int width, int height, const PaintRoutine& paint) {
  paint(pictures.emplace_back(), width, height);
  return Record("picture " + std::to_string(width) + " " + std::to_string(height));
}

bool RecordingPrinter::EndDoc() { return Record("end"); }
void RecordingPrinter::Discard() { calls.push_back("discard"); }

void RecordingDrawing::Line(Point from, Point to, Colour colour, int width) {
  strokes.push_back(Stroke{{from, to}, colour, width});
}

void RecordingDrawing::Polyline(const std::vector<Point>& points, Colour colour, int width) {
  strokes.push_back(Stroke{points, colour, width});
}

void RecordingDrawing::Text(Point at, const std::string& text, const Font& font, Colour colour,
                            Align align) {
  writings.push_back(Writing{at, text, font, colour, align});
}

std::vector<std::vector<Point>> RecordingDrawing::Polylines(Colour colour) const {
  std::vector<std::vector<Point>> lines;
  for (const Stroke& stroke : strokes) {
    if (stroke.colour == colour && stroke.points.size() > 2) lines.push_back(stroke.points);
  }
  return lines;
}

std::vector<std::string> RecordingDrawing::Texts() const {
  std::vector<std::string> texts;
  for (const Writing& writing : writings) texts.push_back(writing.text);
  return texts;
}
