// Modal boxes: a message with OK or OK/Cancel, a one-line question, and the choice of a file.
#pragma once

#include <string>

enum class Icon { None, Exclamation, Question };
enum class Buttons { OK, OKCancel };
enum class Answer { OK, Cancel };

inline constexpr const char* ProgramName = "Ondulix";

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Escape or closing the box answers Cancel.
  virtual Answer MsgBox(const std::string& text, Buttons buttons, Icon icon,
                        const std::string& title) = 0;
  // The text typed; empty when cancelled.
  virtual std::string InputBox(const std::string& prompt, const std::string& title) = 0;

  // The files chosen are anywhere the user can reach, and their paths are what the file system
  // takes (bytes, UTF-8 as this system names files), not the program's text. A filter names the
  // kind and its pattern: "CSV files (*.csv)". Both give an empty path when cancelled.
  //
  // A file to write, offered under the suggested name; a file that is there already is written
  // over only once the user agreed.
  virtual std::string SaveFileName(const std::string& title, const std::string& suggestedName,
                                   const std::string& filter) = 0;
  // A file that is there, to read.
  virtual std::string OpenFileName(const std::string& title, const std::string& filter) = 0;

  // The common case: an error told with an exclamation mark and one OK button.
  void Error(const std::string& text, const std::string& title) {
    MsgBox(text, Buttons::OK, Icon::Exclamation, title);
  }
};

// The question asked before anything is overwritten or dropped: OK goes on, Cancel (or Escape)
// keeps things as they are.
inline bool Confirm(Dialogs& dialogs, const std::string& question) {
  return dialogs.MsgBox(question, Buttons::OKCancel, Icon::None, "Confirm") == Answer::OK;
}
