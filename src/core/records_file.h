// The records of a drawing as text: what LastDrawing.dat holds, so that the
// last drawing comes back after a restart. The format is described at the
// top of records_file.cpp. Platform-free.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/annotation.h"

// A drawing apart from its picture: whether the white board was shown over
// the picture, the records in list order, and the size in bytes of the
// picture file written with them (a picture file of another size belongs to
// another drawing).
struct DrawingRecords {
    bool whiteboard = false;
    bool live = false;  // drawn as live ink over the running screen; its picture is not shown
    std::vector<Annotation> records;
    int64_t pictureBytes = 0;
    bool legacyText = false;  // read from a version 1 file: the text is in the legacy code page

    bool operator==(const DrawingRecords&) const = default;
};

std::string FormatRecordsFile(const DrawingRecords& drawing);

// Reads a records file. A file that is not exactly of the format (another
// version, a count that does not match, a value out of its range, an
// unknown escape) gives false and leaves `drawing` unchanged: a damaged
// drawing restores nothing rather than part of itself.
bool ParseRecordsFile(std::string_view text, DrawingRecords& drawing);
