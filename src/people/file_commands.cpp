#include "people/file_commands.h"

#include <cctype>

#include "platform/dialogs.h"
#include "platform/files.h"

namespace {

// The noun as the first word of a message or a title: "Database", "Team".
std::string Capital(std::string noun) {
  noun.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(noun.front())));
  return noun;
}

}  // namespace

std::optional<std::string> AskFileName(GLOBAL& g, FileKind kind, const std::string& prompt,
                                       const std::string& title, const std::string& refusal,
                                       const std::string& errorTitle) {
  Dialogs& dialogs = g.platform.dialogs;
  const std::string answer = dialogs.InputBox(prompt, title);
  if (answer.empty()) return std::nullopt;
  const std::string name = KindFileName(kind, answer);
  if (const std::string fault = NameFault(kind, name); !fault.empty()) {
    dialogs.Error(refusal + name + fault, errorTitle);
    return std::nullopt;
  }
  return name;
}

FileCommands::FileCommands(GLOBAL& g, FileKind kind, const CommandWords& words,
                           std::string& fileName, bool& modified, ComboBox& list, Button& save,
                           Window& window)
    : g(g),
      kind_(kind),
      words_(words),
      noun_(KindNoun(kind)),
      fileName_(fileName),
      modified_(modified),
      list_(list),
      save_(save),
      window_(window) {}

void FileCommands::New() {
  if (!OfferSave()) return;
  const auto name = AskNewName(words_.newPrompt, "New " + Capital(noun_),
                               "Cannot create " + noun_ + " : ", words_.newErrorTitle);
  // The new file is written before it replaces the record shown, which stays as it is when the
  // new file cannot be written.
  if (!name || !window_.CreateFile(*name)) return;
  fileName_ = *name;
  window_.ListFiles();
}

void FileCommands::Save() {
  if (SaveUnder(fileName_)) window_.ListFiles();
}

void FileCommands::SaveAs() {
  const auto name = AskNewName("Save " + fileName_ + " As" + words_.saveAsPromptEnd,
                               "Save " + Capital(noun_) + " As",
                               "Cannot save " + noun_ + " as : ", words_.saveAsErrorTitle);
  if (name && SaveUnder(*name)) window_.ListFiles();
}

void FileCommands::Remove() {
  // The name shown may be spelt in any case, with or without its extension; the personal file
  // is refused however it is spelt.
  const std::string personal = KindFileName(kind_, "PERSONAL");
  const std::string name = KindFileName(kind_, fileName_);
  if (name == personal) {
    Error("Cannot remove personal " + noun_ + " : " + fileName_);
    return;
  }
  if (!FileExists(g, name)) {
    Error("Error removing " + noun_ + " : " + name + " not found ! ");
    return;
  }
  if (!Confirm(g, "Delete " + noun_ + " : " + name + " ? ")) return;
  if (!files::Remove(g.DataFolder, name)) {
    Error("Error removing " + noun_ + " : " + fileName_);
    return;
  }
  // The removed file's unsaved changes go with it: offered under the personal file's name they
  // would overwrite it with what was removed.
  modified_ = false;
  fileName_ = personal;
  window_.ListFiles();
}

void FileCommands::Open(const std::string& fileName) {
  if (!OfferSave()) {
    ShowInList(fileName_);
    return;
  }
  save_.SetVisible(false);
  window_.ReadFile(fileName);
}

void FileCommands::OpenPicked() {
  if (!showing_) Open(list_.Text());
}

bool FileCommands::OfferSave() {
  if (modified_ && Confirm(g, Capital(noun_) + " " + fileName_ + " modified ! Save changes ?") &&
      !SaveUnder(fileName_)) {
    return false;
  }
  modified_ = false;
  return true;
}

bool FileCommands::ShowInList(const std::string& fileName) {
  showing_ = true;
  const bool listed = list_.SetText(fileName);
  showing_ = false;
  if (!listed) list_.SetListIndex(-1);
  return listed;
}

bool FileCommands::SaveUnder(const std::string& fileName) {
  const std::string previous = fileName_;
  const bool saved = window_.WriteFile(fileName);
  if (!saved) fileName_ = previous;
  // What is shown and was not saved is on disk nowhere under that name: it stays marked as
  // changed, also when the user had let the changes go, so that nothing drops it unasked.
  modified_ = !saved;
  save_.SetVisible(!saved);
  return saved;
}

std::optional<std::string> FileCommands::AskNewName(const std::string& prompt,
                                                    const std::string& title,
                                                    const std::string& refusal,
                                                    const std::string& errorTitle) {
  const auto name = AskFileName(g, kind_, prompt, title, refusal, errorTitle);
  if (name && FileExists(g, *name) &&
      !Confirm(g, Capital(noun_) + " " + *name + " already exists ! Overwrite ?")) {
    return std::nullopt;
  }
  return name;
}

void FileCommands::Error(const std::string& text) { g.platform.dialogs.Error(text, "Error"); }
