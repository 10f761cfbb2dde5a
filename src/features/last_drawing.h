// The last drawing: the latest drawing with records that was discarded (by
// showing the overlay again, erasing all, loading a picture or ending the
// program), kept in memory and in the data folder (LastDrawing.png for its
// picture, LastDrawing.dat for its records) so that one command brings it
// back, also after a restart.
#pragma once

#include <windows.h>

#include <string>

// After a move to a monitor of another size: a last drawing kept in memory
// at the old size is read back from its files when it is restored, placed
// as a loaded snapshot is.
void ForgetLastPictureOfOtherSize();

// Looks for a last drawing left in the data folder by an earlier run and
// sets the menu items accordingly. Once, at start-up, after the menus.
void FindLastDrawingOnDisk();

bool HasLastDrawing();
// Whether the last drawing kept in memory was drawn as live ink (one only
// in the data folder is not known to be until it is read).
bool LastDrawingIsLive();

// Called before the current drawing is discarded: when it holds records, it
// becomes the last drawing and is written to the data folder.
void KeepDrawingAsLast();

// Called when the overlay has been hidden: a drawing with records is
// written to the data folder, so that a crash while hidden loses nothing.
void SaveDrawingWhileHidden();

// Swaps the current drawing with the last drawing: picture, white board and
// records come back, the undo history starts empty, and the drawing that
// was on screen becomes the last drawing. Nothing to restore: nothing
// happens. A damaged file in the data folder restores nothing and is
// reported.
void RestoreLastDrawing();

// The writer's answer for the last drawing's files: a failure is told.
void OnLastDrawingWritten(bool written);

std::string LastDrawingPicturePath();
std::string LastDrawingRecordsPath();
