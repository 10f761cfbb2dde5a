// Settings.dat on disk and the controls that show the options.
#pragma once

#include <windows.h>

#include <string>

// Option defaults and palettes, plus the contents of the dock's width and
// opacity lists.
void SetDefaults();

// Reads Settings.dat into the option table and pushes the values into the
// dock, text bar and options dialog. A missing file is reported and changes
// nothing.
void LoadSettings();

// Writes the option table to Settings.dat. The file is replaced as a whole:
// a failed write leaves the previous file in place and is reported.
bool SaveSettings();

// Shows the option table in the dock, the text bar and the options dialog,
// as a load does; it puts the dock at the top and the whiteboard off.
void ApplySettingsToControls();

// A new empty file beside `target` (its name followed by a unique suffix),
// created exclusively, so that no file the program did not make is ever
// overwritten; its path, or an empty string when none could be made.
std::wstring CreateTempFileBeside(const std::wstring& target);

// Replaces `path` with `data` through a file of the program's own beside it:
// a failed write leaves the earlier file as it was and removes only that one.
bool WriteFileReplacing(const std::string& path, const std::string& data);
bool ReadWholeFile(const std::string& path, std::string& data);

// Text in the form stored on disk: CR LF line ends.
std::string WithCrLf(const std::string& text);

// Selects the first item of a combo box whose text equals `text`; 0 when
// found, -1 when the items ran out.
int findCombo(HWND combo, const char* text, int maxItems = 99999);
