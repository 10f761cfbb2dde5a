// Snapshot file names: which picture format a name asks for.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Text after the last period of the file name (the part after the last
// backslash or slash); empty when the name has no period. A period in a
// folder name is not an extension.
std::string_view SnapshotExtension(std::string_view path);

// The GDI+ encoder's MIME type for an extension, compared exactly, case
// included: "png"/"PNG", "jpeg"/"JPEG", "bmp"/"BMP". Anything else, such as
// "jpg" or "Png", has none: nullptr.
const char* EncoderMimeForExtension(std::string_view extension);

// The path with ".png" added when its file name has no period, as the save
// dialog does with a name typed without an extension.
std::string WithDefaultExtension(const std::string& path);

// A moment of the local clock, to the second.
struct ClockTime {
    int year, month, day, hour, minute, second;
};

// Where a snapshot saved without a dialog goes: "Quillcast yyyy-MM-dd
// HH.mm.ss.png" in `folder`, or with " (2)", " (3)", ... before ".png", the
// first name that `taken` does not report, so that nothing is overwritten.
std::string UniqueSnapshotPath(std::string folder, const ClockTime& time,
                               const std::function<bool(const std::string&)>& taken);
