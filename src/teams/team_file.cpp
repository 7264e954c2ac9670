#include "teams/team_file.h"

#include "core/file_names.h"
#include "people/database_file.h"
#include "people/record_file.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace {

bool TeamFull(const TeamRecord& team) { return team.Count >= TeamRecord::MaxMembers; }

void TeamError(GLOBAL& g, const char* what, const std::string& fileName) {
  g.platform.dialogs.Error(std::string(what) + TeamPath(g, fileName), "Team Error");
}

}  // namespace

bool AddMember(GLOBAL& g, const std::string& name, const std::string& dob, TeamRecord& team) {
  if (TeamFull(team)) {
    g.platform.dialogs.Error("Team full : Team size cannot exceed 25.", "Error");
    return false;
  }
  Person member;
  if (!MakePerson(name, dob, member)) return false;
  team.Members[static_cast<size_t>(++team.Count)] = std::move(member);
  team.Modified = true;
  return true;
}

bool LoadTeam(GLOBAL& g, const std::string& fileName, TeamRecord& team) {
  team.Count = 0;
  team.FileName = TeamFileName(fileName);
  team.Modified = false;
  if (fileName.empty()) return false;
  const auto text =
      SafeFileName(team.FileName) ? files::Read(g.DataFolder, team.FileName) : std::nullopt;
  bool loaded = text.has_value() && !text->empty();
  if (loaded) {
    FieldReader reader(*text);
    const std::string databaseName = reader.Next();
    InitDatabase(team.Database);
    loaded = LoadDatabase(g, databaseName, team.Database) &&
             ReadPairs(reader, [&](std::string& name, std::string& dob) {
               if (AddMember(g, name, dob, team)) return PairResult::Added;
               // Only a full team ends the reading; a name that cleans to nothing is passed over.
               return TeamFull(team) ? PairResult::Stop : PairResult::Passed;
             });
  }
  team.Modified = false;
  if (!loaded) TeamError(g, "Error loading team : ", fileName);
  return loaded;
}

// A database name that its line would not give back whole (a comma in it, say) is refused: the
// rest of it would be read as the first member's name.
bool SaveTeam(GLOBAL& g, const std::string& fileName, TeamRecord& team) {
  team.FileName = TeamFileName(fileName);
  team.Database.FileName = DatabaseFileName(team.Database.FileName);
  const bool saved =
      NameFault(FileKind::Team, team.FileName).empty() && OneField(team.Database.FileName) &&
      files::Replace(g.DataFolder, team.FileName,
                     team.Database.FileName + "\r\n" + RecordLines(&team.Members[1], team.Count));
  if (!saved) TeamError(g, "Error saving team : ", fileName);
  return saved;
}
