#pragma once
// The application folder of this run: chosen by the rules of
// support/folder_choice.h, described
// for --help and the status bar, and, for the user's own folder, filled with
// the installed sample world at a first start.

#include "support/folder_choice.h"

#include <QString>

#include <optional>

namespace app {

// The folder this run works in; `root` is the value of --root when given.
appfolder::Choice startFolder(const std::optional<QString>& root);

// The folder as the user's system spells it.
QString nativeText(const std::filesystem::path& folder);

// One line for --help: the folder and why it is the one.
QString folderNote(const appfolder::Choice& choice);

// Makes the folder ready: a per-user folder is created and seeded (each file
// that could not be copied is printed on the error stream). False, with a
// line on the error stream, when there is no folder to work in.
bool prepareFolder(const appfolder::Choice& choice);

} // namespace app
