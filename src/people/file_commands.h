// The file commands the database manager and the team manager share: New, Save, Save As and
// Remove, opening the file picked in the drop-down once the changes of the one shown are saved
// or let go, and the prompt for a file name. The kind of file and the window say what differs.
#pragma once

#include <optional>
#include <string>

#include "core/file_names.h"
#include "core/globals.h"
#include "platform/controls.h"

// Asks for a name in an input box and gives its file name; nothing when the answer is empty or
// cannot name a file of that kind, which is refused with the command's own words (`refusal`,
// the name, the fault) under the title.
std::optional<std::string> AskFileName(GLOBAL& g, FileKind kind, const std::string& prompt,
                                       const std::string& title, const std::string& refusal,
                                       const std::string& errorTitle);

// The words of a manager's commands that the name of its kind does not give.
struct CommandWords {
  const char* newPrompt;
  const char* newErrorTitle;  // over a name New refuses
  // What follows "Save " + file name + " As" in the Save As prompt.
  const char* saveAsPromptEnd;
  const char* saveAsErrorTitle;  // over a name Save As refuses
};

class FileCommands {
 public:
  // What the commands ask of the manager they serve about the record it shows.
  class Window {
   public:
    // Reads the file into the record and shows it; a file that could not be read has been told.
    virtual void ReadFile(const std::string& fileName) = 0;
    // Writes the record under the name, which the record then carries; false when nothing was
    // written, which has been told.
    virtual bool WriteFile(const std::string& fileName) = 0;
    // Writes a new file under the name, asking what else it needs; false when none was written.
    virtual bool CreateFile(const std::string& fileName) = 0;
    // Lists the files again and opens the one the record names.
    virtual void ListFiles() = 0;

   protected:
    ~Window() = default;
  };

  // The record is known by its file name and its flag of unsaved changes; the list offers the
  // files of the kind and the Save button shows while there are changes to save.
  FileCommands(GLOBAL& g, FileKind kind, const CommandWords& words, std::string& fileName,
               bool& modified, ComboBox& list, Button& save, Window& window);

  // Creates a file of the kind and opens it.
  void New();
  // Saves the record where it came from, also when its file is not in the list.
  void Save();
  void SaveAs();
  // Deletes the file shown, after asking, and opens the personal one, which is never removed.
  void Remove();
  // Opens the file, unless the changes of the one shown could not be saved: the list then shows
  // the one shown again.
  void Open(const std::string& fileName);
  // The list's click: opens the file the user picked there. Rows the program selects open
  // nothing.
  void OpenPicked();
  // Offers to save unsaved changes; false when the user wanted them saved and they could not
  // be, so that what would drop them does not go on.
  bool OfferSave();
  // Selects the list's row of the file without opening it; false, with no row selected, when
  // the list does not hold the file.
  bool ShowInList(const std::string& fileName);

 private:
  // Saves under the name. A record not saved keeps its name, its changes and the Save button,
  // for another try.
  bool SaveUnder(const std::string& fileName);
  // Asks for a name and gives its file name; nothing when the user gave none, when none of the
  // kind may be saved under it, or when the user keeps the file of that name.
  std::optional<std::string> AskNewName(const std::string& prompt, const std::string& title,
                                        const std::string& refusal, const std::string& errorTitle);
  void Error(const std::string& text);

  GLOBAL& g;
  const FileKind kind_;
  const CommandWords words_;
  const std::string noun_;  // how the messages name the kind: "database", "team"
  std::string& fileName_;
  bool& modified_;
  ComboBox& list_;
  Button& save_;
  Window& window_;
  // Set while the program selects a row of the list, which is no pick of the user's.
  bool showing_ = false;
};
