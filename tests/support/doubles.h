// Test doubles for the platform: a desktop, dialogs, a printer and a clock that record what
// the program did with them and answer as the test scripts.
#pragma once

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/calendar.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/drawing.h"
#include "platform/form.h"
#include "platform/printer.h"

class FakeDesktop : public Desktop {
 public:
  void Show(Form& form) override { shown.push_back(form.Name()); }
  void Refresh(Form&) override {}
  int ScreenWidth() const override { return screenWidth; }
  int ScreenHeight() const override { return screenHeight; }
  // The frame of a window at 96 dpi: 7 pixels across, 27 down.
  int FrameWidth() const override { return 105; }
  int FrameHeight() const override { return 405; }

  int screenWidth = 15360;
  int screenHeight = 11520;
  std::vector<std::string> shown;  // every Show, in order

 protected:
  void Close(Form&) override {}
  void Quit() override {}
};

class ScriptedDialogs : public Dialogs {
 public:
  struct Box {
    std::string text;
    Buttons buttons;
    Icon icon;
    std::string title;

    bool operator==(const Box&) const = default;
    friend void PrintTo(const Box& box, std::ostream* out) {
      *out << box.title << ": " << box.text << " (buttons " << static_cast<int>(box.buttons) << ", icon "
           << static_cast<int>(box.icon) << ")";
    }
  };

  // A file chooser shown: to save (with its suggested name) or to open.
  struct FileQuestion {
    std::string title, suggestedName, filter;  // no suggested name when opening
  };

  Answer MsgBox(const std::string& text, Buttons buttons, Icon icon,
                const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title) override {
    prompts.push_back(Box{prompt, Buttons::OKCancel, Icon::None, title});
    return Next(inputs);
  }
  std::string SaveFileName(const std::string& title, const std::string& suggestedName,
                           const std::string& filter) override {
    fileQuestions.push_back(FileQuestion{title, suggestedName, filter});
    return Next(files);
  }
  std::string OpenFileName(const std::string& title, const std::string& filter) override {
    fileQuestions.push_back(FileQuestion{title, "", filter});
    return Next(files);
  }

  // Answers given in turn to OK/Cancel boxes (OK when the script has run out), to input boxes
  // and to file choosers (empty, as when cancelled, once it has run out).
  std::deque<Answer> answers;
  std::deque<std::string> inputs;
  std::deque<std::string> files;
  std::vector<Box> boxes;    // every message box shown
  std::vector<Box> prompts;  // every input box shown (its prompt in text)
  std::vector<FileQuestion> fileQuestions;  // every file chooser shown

  std::vector<std::string> Texts() const;
  // Every box shown as "title: text", which tells an error box from a question or a notice.
  std::vector<std::string> TitledTexts() const;
  // The texts of the OK/Cancel boxes, the questions put to the user.
  std::vector<std::string> Questions() const;
  // The text of the last box shown; empty when none was.
  std::string Last() const { return boxes.empty() ? "" : boxes.back().text; }

 private:
  // The next scripted answer; empty once the script has run out.
  static std::string Next(std::deque<std::string>& script);
};

// A drawing that keeps every line and polyline drawn on it, and every text, in order.
class RecordingDrawing : public Drawing {
 public:
  struct Stroke {
    std::vector<Point> points;  // two for a line
    Colour colour;
    int width;
  };

  void Line(Point from, Point to, Colour colour, int width) override {
    strokes.push_back(Stroke{{from, to}, colour, width});
  }
  void Polyline(const std::vector<Point>& points, Colour colour, int width) override {
    strokes.push_back(Stroke{points, colour, width});
  }
  void Text(Point, const std::string& text, const Font&, Colour, Align) override {
    texts_.push_back(text);
  }

  // The polylines drawn in the colour, in order.
  std::vector<std::vector<Point>> Polylines(Colour colour) const;
  std::vector<std::string> Texts() const { return texts_; }

  std::vector<Stroke> strokes;

 private:
  std::vector<std::string> texts_;
};

class RecordingPrinter : public Printer {
 public:
  bool SetFontName(const std::string& name) override { return Record("font " + name); }
  bool SetFontSize(double points) override;
  bool SetBold(bool bold) override { return Record(bold ? "bold 1" : "bold 0"); }
  bool PrintLine(const std::string& text) override { return Record("line " + text); }
  bool PrintPicture(int width, int height, const PaintRoutine& paint) override;
  bool EndDoc() override { return Record("end"); }
  void Discard() override { calls.push_back("discard"); }

  // One entry per call: "font NAME", "size 12", "bold 1", "line TEXT", "picture W H", "end",
  // "discard".
  std::vector<std::string> calls;
  // What each picture printed drew, in order.
  std::vector<RecordingDrawing> pictures;
  // Calls that fail from this one on (counted from 0); -1 never.
  int failFrom = -1;
  // Run at every call, so a test can look at the program while it prints.
  std::function<void()> onCall;

 private:
  bool Record(std::string call);
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(Date today) : today(today) {}
  Date Today() const override { return today; }
  // Noon of today, universal time.
  std::chrono::sys_seconds Now() const override {
    return std::chrono::sys_days(today) + std::chrono::hours(12);
  }
  Date today;
};
