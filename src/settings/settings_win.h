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

// Replaces `path` with `data` through a temporary file beside it.
bool WriteFileReplacing(const std::string& path, const std::string& data);
bool ReadWholeFile(const std::string& path, std::string& data);

// Text in the form stored on disk: CR LF line ends.
std::string WithCrLf(const std::string& text);

// Selects the first item of a combo box whose text equals `text`; 0 when
// found, -1 when the items ran out.
int findCombo(HWND combo, const char* text, int maxItems = 99999);
