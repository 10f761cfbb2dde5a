// Snapshots: saving the annotated picture, loading a picture as background,
// and the history of saved snapshots grouped by age in the dock's menu.
#pragma once

#include <windows.h>

#include <string>

#include "core/commands.h"
#include "core/history_file.h"

// The dock's snapshot menu: "Take Snapshot!" and "Load Snapshot!" (the
// save and load commands), a separator, and at positions 3..10 the age
// groups; an empty group other than the first is a plain item with id
// HISTORY_GROUP_ITEM_BASE + group, which does nothing when chosen.
constexpr int SNAPSHOT_MENU_FIRST_GROUP_POSITION = 3;

// One popup menu per age group, "Snapshots Today" first; the items' texts
// are the pictures' paths and their item data the yyyyMMdd saving date.
extern HMENU historyGroupMenus[HISTORY_GROUP_COUNT];
// Command id of the next history item; grows by one for every item added.
extern UINT historyItemId;

// Fills the dock's snapshot menu, reads History.dat and attaches the age
// groups to the snapshot menu. Once, at start-up.
void BuildDockMenusAndHistory();

// Reads History.dat into the group menus (creating an empty file when there
// is none); the group of each entry is decided by its age today.
void LoadHistory();

// Asks for a file name and saves the composed picture there. True when a
// file was written (and listed in the history).
bool SaveSnapshot();

// Composes the picture (background and every annotation) in hdcBase and
// writes it to `path` in the format its extension names; a name without an
// extension gets ".png". Lists the file under "Snapshots Today" when it was
// written; otherwise tells the user why not. True when written.
bool SaveSnapshotTo(const std::string& path);

// Puts the picture a snapshot would save on the clipboard, as a
// device-independent bitmap and as PNG. True when the bitmap is there.
bool CopySnapshotToClipboard();

void LoadSnapshotDialog();
void LoadBackgroundImage(const std::string& path);
void SaveHistory();

// The whole text of the snapshot menu's item with command `id`, searching
// the group submenus: for a history entry, the picture's path.
std::string SnapshotMenuText(UINT id);
// A history entry chosen from the snapshot menu: its text is the path of
// its picture, and any text with a period in it is loaded as the background.
void LoadHistoryEntry(UINT id);
void AddHistoryEntry(const std::string& path);
