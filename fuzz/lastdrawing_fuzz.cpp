// libFuzzer target for the LastDrawing.dat reader: any bytes must parse or be
// refused whole, and every index of an accepted record must lie in its
// table. (What is written reads back the same: the unit test's property.)
#include <cstdlib>

#include "core/records_file.h"
#include "core/options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DrawingRecords drawing;
    const bool read = ParseRecordsFile(std::string_view(reinterpret_cast<const char*>(data), size), drawing);
    if (!read && !drawing.records.empty()) std::abort();
    for (const Annotation& a : drawing.records)
        if (a.kind < ANNOT_PEN || a.kind > ANNOT_MARK || a.markIndex < 0 || a.markIndex >= MARK_COUNT ||
            a.fontIndex < -1 || a.fontIndex >= FONT_FACE_COUNT || a.textColorRow < 0 || a.textColorRow > 1 ||
            a.textColorCol < 0 || a.textColorCol >= PALETTE_COLUMNS ||
            (a.kind >= ANNOT_RECT && a.kind <= ANNOT_ARROW && a.points.size() != 2))
            std::abort();
    return 0;
}
