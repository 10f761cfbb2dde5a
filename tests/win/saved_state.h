// The fixture of every Win32 test: the program starts once per test process;
// each test starts from the state start-up left and puts back what it changed
// of the process-wide state (the option table and the controls that show it,
// the drawing, its history, the next mark number, the shown windows), so that
// no test depends on the tests that ran before it.
#pragma once

#include "core/history.h"
#include "features/writer.h"
#include "win_env.h"

// A rectangle 40 pixels wide from (x, 100), drawn as one step.
inline void AddRectangleStep(int x) {
    AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {x, 100}, {x + 40, 140}));
    RecordAdd(AnnotationCount() - 1);
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        recordedMessages.clear();
        saved_ = {{opts, opts + OPTS_COUNT},
                  lastPath,
                  annotations,
                  history,
                  undoneCount,
                  markerNumber,
                  IsWindowVisible(canvas.hwndOverlay) != 0,
                  IsWindowVisible(dock.hwndDock) != 0,
                  inkClock};
    }
    void TearDown() override {
        CloseTextEditWithoutCommit();
        if (canvas.live) ChangeLiveKeepingDrawing(false);
        laserChosen = false;
        StopLaser();
        ForgetFadingInk();
        inkClock = saved_.clock;
        std::copy(saved_.opts.begin(), saved_.opts.end(), opts);
        ApplySettingsToControls();  // which puts the dock at the top and the whiteboard off
        std::copy(saved_.opts.begin(), saved_.opts.end(), opts);
        PlaceDock();
        RelayoutDock();
        lastPath = saved_.lastPath;
        SetWindowTextA(dock.hwndNumber, std::to_string(saved_.markerNumber).c_str());
        annotations = saved_.annotations;
        ++annotationsVersion;
        history = saved_.history;
        undoneCount = saved_.undoneCount;
        ForgetLayer();  // a test may have painted over the picture
        ForgetZoom();
        ShowWindow(canvas.hwndOverlay, saved_.overlayShown ? SW_SHOW : SW_HIDE);
        ShowWindow(dock.hwndDock, saved_.dockShown ? SW_SHOWNA : SW_HIDE);
        WaitForWrites(10000);  // the writer's answers are heard before the next test starts
        PumpMessages();
    }

private:
    struct {
        std::vector<int32_t> opts;
        std::string lastPath;
        std::vector<Annotation> annotations;
        std::vector<HistoryEntry> history;
        int32_t undoneCount;
        int markerNumber;
        bool overlayShown, dockShown;
        int64_t (*clock)();
    } saved_;
};
