// Settings.dat on disk, and the controls that show the options.
#pragma once

// Option defaults and palettes, plus the contents of the dock's width and
// opacity lists.
void SetDefaults();

// Reads Settings.dat into the option table and shows the values in the
// dock, the text bar and the options dialog. A missing file is reported and
// changes nothing.
void LoadSettings();

// Shows the option table in the dock, the text bar and the options dialog,
// as a load does; it puts the dock at the top and the whiteboard off.
void ApplySettingsToControls();

// Writes the option table to Settings.dat. The file is replaced as a whole:
// a failed write leaves the previous file in place and is reported.
bool SaveSettings();
