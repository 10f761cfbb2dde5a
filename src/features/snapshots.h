// Snapshots: saving the annotated picture, loading a picture as background,
// and the history of saved snapshots grouped by age in the dock's menu.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "core/commands.h"
#include "core/history_file.h"
#include "core/snapshot_file.h"
#include "render/pictures.h"

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
// has the writer write it to `path` in the format its extension names; a
// name without an extension gets ".png". A name of no known format is
// refused and told at once (false). The writer's answer comes back to
// OnSnapshotWritten.
bool SaveSnapshotTo(const std::string& path);
// Saves the composed picture as SaveSnapshotTo does, without a dialog, under
// SaveNowPath() of this second. False when nothing was queued.
bool SaveSnapshotNow();
// The snapshot folder's (the last one used, else the default) first free
// name for a snapshot of `time`, counting names being written as taken.
std::string SaveNowPath(const ClockTime& time);

// Lists a written file under "Snapshots Today", and confirms one saved
// without a dialog; otherwise tells the user why it was not written.
void OnSnapshotWritten(const std::string& path, bool written, const std::string& why);

// Puts the picture a snapshot would save on the clipboard, as a
// device-independent bitmap and as PNG: both are promised at once and handed
// over when a program asks for them; the writer makes the PNG meanwhile.
// True when the clipboard holds the promise.
bool CopySnapshotToClipboard();
// The writer's PNG of a copied picture: kept for the clipboard while that
// picture is still the one copied. `png` is left null when it was kept.
void OnClipboardPngMade(const std::shared_ptr<const PictureCopy>& picture, HGLOBAL& png);
// WM_RENDERFORMAT, WM_RENDERALLFORMATS and WM_DESTROYCLIPBOARD of the
// overlay, the clipboard's owner after a copy.
void OnRenderClipboardFormat(UINT format);
void OnRenderAllClipboardFormats();
void OnClipboardEmptied();

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
