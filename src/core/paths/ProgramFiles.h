// The program's own files: where the program is, where the files it opens by
// name are, which settings file it uses and where a reference document is
// found. The window and the command-line tool both follow these rules.
#pragma once

#include <optional>
#include <string>

#include "platform/UserFolders.h"

namespace zav {

// The folder of the running program's file.
std::string ExecutableFolder();

// Where the files the program opens by name are (welcome picture, change
// logs, reference documents, placement pictures): ../share/zavscore beside an
// installed program, whatever its prefix; else the program's own folder, as
// in a build tree or a portable copy.
std::string ProgramDataFolder(const std::string& executableFolder);

// The settings file, the first that applies: the file named by ZAVSCORE_INI;
// "ZAVscore.ini" beside the program when it is there (a portable copy keeps
// its settings with it); else the user's own in the configuration folder.
std::string SettingsFilePath(const Environment& env, const std::string& executableFolder);

// Where the user puts reference documents of their own: looked in before the
// program's data folder, and named when a document is in neither.
std::string UserReferenceFolder(const Environment& env);

// The reference document of that file name: the user's copy, else the
// program's; nothing when there is neither.
std::optional<std::string> FindReferenceDocument(const std::string& fileName,
                                                 const Environment& env,
                                                 const std::string& dataFolder);

}  // namespace zav
