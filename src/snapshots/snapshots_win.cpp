// Saving and loading snapshots, and the history menus.
#include "snapshots/snapshots.h"

#include "dock/dock.h"

void BuildDockMenusAndHistory() {}
bool SaveSnapshot() { return false; }
void LoadSnapshotDialog() {}
void LoadBackgroundImage(const std::string&) {}
void SaveHistory() {}
void AddHistoryEntry(const std::string&) {}
