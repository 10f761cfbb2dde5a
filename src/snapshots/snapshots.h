// Snapshots: saving the annotated picture, loading a picture as background,
// and the history of saved snapshots grouped by age in the dock's menu.
#pragma once

#include <string>

// Fills the dock's two menus, reads History.dat and attaches the age groups
// to the snapshot menu. Once, at start-up.
void BuildDockMenusAndHistory();

bool SaveSnapshot();
void LoadSnapshotDialog();
void LoadBackgroundImage(const std::string& path);
void SaveHistory();
void AddHistoryEntry(const std::string& path);
