// The files beside the exe that drawing needs: mark pictures and the
// handwriting fonts.
#pragma once

#include <string>

#include "core/options.h"
#include "win/gdiplus_flat.h"

// The twelve mark pictures at the overlay's scale; null entries draw nothing.
extern GpImage* stampImages[MARK_COUNT];

// Loads the set of mark pictures nearest to the overlay's scale.
void LoadMarkImages();

// Registers the three handwriting faces for the text tool, and removes them
// again at the end.
void InstallPrivateFonts();
void RemovePrivateFonts();

// Names of files beside the exe that could not be loaded (marks, fonts),
// told to the user once start-up is done.
void NoteUnloaded(const char* name);
const std::string& UnloadedFiles();
