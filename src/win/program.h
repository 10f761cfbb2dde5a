// Where the program lives and keeps its files: the module instance, the
// folder of the exe and the folders and files in the user's profile.
#pragma once

#include <windows.h>

#include <string>

extern HINSTANCE hInst;
extern std::string exeDir, dataDir, snapshotDir, settingsPath, historyPath;

// Fills in the folders and file paths from the module and the profile.
void BuildPaths();
