// Helpers of the snapshot tests: pictures on disk, the pixels of the
// program's surfaces, and fresh history menus.
#pragma once

#include <functional>

#include "render_canvas.h"
#include "saved_state.h"

// Writes a w x h PNG whose pixels (0x00RRGGBB) `color` gives.
inline bool WritePicture(const std::string& path, int w, int h, const std::function<uint32_t(int x, int y)>& color) {
    Canvas picture(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) picture.at(x, y) = color(x, y);
    return picture.SavePng(path);
}
// Every row and column differs, so that a shifted or flipped copy cannot match.
inline uint32_t Pattern(int x, int y) {
    return ((x * 7 + y * 3) & 0xFF) << 16 | ((x ^ (y * 5)) & 0xFF) << 8 | ((x / 3 + y * 11) & 0xFF);
}

// The pixels (0x00RRGGBB) of one of the program's screen-sized surfaces, row by row.
inline std::vector<uint32_t> SurfacePicture(HDC dc) {
    Canvas copy(ScreenWidth(), ScreenHeight(), 0);
    BitBlt(copy.dc(), 0, 0, ScreenWidth(), ScreenHeight(), dc, 0, 0, SRCCOPY);
    return copy.Pixels();
}

// Builds the snapshot menu again from `historyText` (no file when null), as start-up does.
inline void RebuildHistoryMenus(const char* historyText) {
    while (GetMenuItemCount(snapshotMenu) > 0) DeleteMenu(snapshotMenu, 0, MF_BYPOSITION);
    historyItemId = HISTORY_FIRST_ITEM_ID;
    DeleteFileA(historyPath.c_str());
    if (historyText) WriteFileReplacing(historyPath, historyText);
    BuildDockMenusAndHistory();
}
// Saves as F2 does after its dialog and lets the overlay hear the writer's
// answer: true when the file was written and nothing was told.
inline bool SaveSnapshotAndSettle(const std::string& path) {
    const size_t told = recordedMessages.size();
    const bool queued = SaveSnapshotTo(path) && WaitForWrites(10000);
    PumpMessages();
    return queued && recordedMessages.size() == told;
}

inline std::string TodayTop() { return SnapshotMenuText(GetMenuItemID(historyGroupMenus[0], 0)); }

// Each test starts from an empty drawing over the screen picture, empty
// history menus and a folder of its own.
class SnapshotTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        RebuildHistoryMenus(nullptr);
        ClearAnnotations();
        ClearHistory();
        opts[IDOPTS_WHITEBOARD] = 0;
        folder = exeDir + "\\snapshots\\";
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    std::string folder;
};
