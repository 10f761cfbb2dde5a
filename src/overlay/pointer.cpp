// Left-button gestures on the overlay: drawing with each tool, grabbing and
// moving shapes, placing marks and erasing. Positions come with each mouse
// message, in overlay coordinates, whichever monitor the overlay lies on.
#include <cstdlib>
#include <string>

#include "canvas/canvas.h"
#include "core/options.h"
#include "dock/dock.h"
#include "core/fading.h"
#include "core/history.h"
#include "render/hittest.h"
#include "overlay/overlay.h"
#include "render/marks.h"
#include "render/render.h"

bool buttonDown;

// The gesture in progress: where it began, where the pointer is, whether it
// has moved, the record it holds and the points of a stroke.
static POINT ptPress;
static POINT ptCursor;
static bool dragged;
static bool firstPoint;
static int shapeHeld = -1;
static POINT ptHeldOrigin;
static POINT ptHeldOriginEnd;
static std::vector<Point32> strokePoints;

// A release only belongs to a gesture whose press reached the overlay; one
// that was pressed elsewhere (over the dock, say) must not commit anything.
static bool pressSeen;

static Point32 P32(POINT p) { return {p.x, p.y}; }

static int CurrentTool() { return OptValue(IDOPTS_TOOL); }

// The phrase of fading ink the gesture in progress belongs to; 0: it lasts.
static int32_t gesturePhrase;

static void SetToolCursor() {
    if (laserChosen) {  // the laser's dot is the pointer
        SetCursor(nullptr);
        return;
    }
    switch (CurrentTool()) {
    case TOOL_HIGHLIGHTER: {
        const int width = opts[IDOPTS_PENWIDTH];
        if (width >= 1 && width <= 5) SetCursor(cursorHighlight[width - 1]);
        break;
    }
    case TOOL_MARK:
        SetCursor(cursorMark);
        break;
    case TOOL_ERASER:
        SetCursor(cursorEraser);
        break;
    default:
        SetCursor(cursorArrow);
        break;
    }
}

static void MarkPictureSize(int markIndex, int32_t& width, int32_t& height) {
    UINT w = 0, h = 0;
    if (GpImage* image = stampImages[markIndex]) {
        GdipGetImageWidth(image, &w);
        GdipGetImageHeight(image, &h);
    }
    width = static_cast<int32_t>(w);
    height = static_cast<int32_t>(h);
}

static void PlaceMark() {
    buttonDown = false;
    int32_t width, height;
    MarkPictureSize(OptValue(IDOPTS_MARK), width, height);
    Annotation mark = MakeMarkRecord(P32(ptPress), width, height, markerNumber);
    mark.phrase = gesturePhrase;
    const int markIndex = mark.markIndex;
    AppendAnnotation(std::move(mark));
    DrawLastOnLayer(true);
    ShowChanges();
    RecordAdd(AnnotationCount() - 1);  // drops undone steps first
    if (markIndex >= 0 && markIndex <= 2) {
        ++markerNumber;
        InvalidateRect(dock.hwndMarks, nullptr, TRUE);
    }
    SetWindowTextA(dock.hwndNumber, std::to_string(markerNumber).c_str());
}

// Only the area the erased record painted is drawn again.
static void EraseStep() {
    SettleFading();
    SyncLayer();
    Box32 erased;
    if (!EraseAt(P32(ptCursor), &erased)) return;
    RepairLayer(erased);
    ShowChanges();
}

// Shift at the press, or the option that all ink fades, makes the record of
// a drawing tool fade; grabbing a record does not.
static int32_t PhraseOfGesture(bool shift) {
    const int tool = CurrentTool();
    const bool fades = shift || OptValue(OPT_ALLFADES) == 1;
    if (!fades || tool < TOOL_PEN || tool > TOOL_MARK || HitTestAnnotations(P32(ptPress), false) != -1) return 0;
    return StartFadingGesture(inkClock());
}

void OnPointerDown(LPARAM lParam, bool shift) {
    SetFocus(canvas.hwndOverlay);
    dragged = false;
    if (shapeText != -1) CommitTextEdit();
    SetCapture(canvas.hwndOverlay);
    ShowWindow(textEdit, SW_HIDE);
    ShowWindow(dock.textBar, SW_HIDE);
    ShapeChrome();
    ptPress = ptCursor = OverlayPointOf(lParam);  // a stroke starts where the button went down
    if (laserChosen) {
        laserHeld = true;
        MoveLaser(ptPress);
        return;
    }
    gesturePhrase = PhraseOfGesture(shift);
    SettleFading(gesturePhrase);
    // Whatever an earlier gesture left over the layer (one whose release
    // never came) is put right before this one starts.
    SettleLayer();
    SyncLayer();
    ShowChanges();
    buttonDown = true;
    pressSeen = true;
    strokePoints.clear();
    firstPoint = true;
    shapeHeld = HitTestAnnotations(P32(ptPress), false);
    if (shapeHeld != -1) {
        // The grabbed record leaves the layer at its first move.
        const Annotation& held = annotations[shapeHeld];
        if (held.kind == ANNOT_ARROW && held.points.size() >= 2) {
            ptHeldOrigin = {held.points[0].x, held.points[0].y};
            ptHeldOriginEnd = {held.points[1].x, held.points[1].y};
        } else {
            ptHeldOrigin = {held.x, held.y};
        }
    } else if (CurrentTool() == TOOL_MARK) {
        PlaceMark();
    }
    if (CurrentTool() == TOOL_ERASER) EraseStep();  // the press itself erases
}

static void MoveHeld() {
    if (shapeHeld < 0 || shapeHeld >= AnnotationCount()) return;
    LiftOffLayer(shapeHeld);
    Annotation& held = annotations[shapeHeld];
    const LONG dx = ptCursor.x - ptPress.x, dy = ptCursor.y - ptPress.y;
    if (held.kind == ANNOT_ARROW && held.points.size() >= 2) {
        held.points[0] = {ptHeldOrigin.x + dx, ptHeldOrigin.y + dy};
        held.points[1] = {ptHeldOriginEnd.x + dx, ptHeldOriginEnd.y + dy};
    } else {
        held.x = ptHeldOrigin.x + dx;
        held.y = ptHeldOrigin.y + dy;
    }
    const Box32 area = BeginGestureFrame(PaintBounds(held));
    DrawOnEachPass([] { RenderAnnotations(canvas.hdcBack, shapeHeld, -1); });
    PresentArea(area);
}

void OnPointerMove(LPARAM lParam) {
    RevealDockUnderPointer();
    SetToolCursor();
    const POINT prev = ptCursor;
    ptCursor = OverlayPointOf(lParam);
    if (laserChosen) {
        MoveLaser(ptCursor);
        return;
    }
    const int tool = CurrentTool();
    if (tool != TOOL_ERASER) {
        const long d = std::labs(ptCursor.x - ptPress.x) + std::labs(ptCursor.y - ptPress.y);
        if (d < 2) {
            if (shapeHeld == -1) {
                dragged = false;
                return;
            }
            MoveHeld();
            return;
        }
        dragged = true;
        if (shapeHeld != -1) {
            MoveHeld();
            return;
        }
    }
    if (!buttonDown) return;
    switch (tool) {
    case TOOL_ERASER:
        EraseStep();
        break;
    case TOOL_PEN:
        if (firstPoint) {
            firstPoint = false;
            strokePoints.push_back(P32(prev));
        }
        strokePoints.push_back(P32(ptCursor));
        DrawPenSegment(prev, ptCursor);
        break;
    case TOOL_MARK:
        Present();
        break;
    default:
        DrawToolPreview(tool, ptPress, ptCursor);
        break;
    }
}

static void CommitNewRecord(int tool) {
    Annotation record;
    switch (tool) {
    case TOOL_PEN:
        record = MakePenRecord(strokePoints);
        break;
    case TOOL_HIGHLIGHTER:
        record = MakeHighlighterRecord(P32(ptPress), P32(ptCursor));
        break;
    case TOOL_RECT:
    case TOOL_ROUNDRECT:
    case TOOL_ELLIPSE:
    case TOOL_ARROW:
        record = MakeShapeRecord(static_cast<uint8_t>(tool), P32(ptPress), P32(ptCursor));
        break;
    default:
        return;  // marks are placed at the press; the eraser makes nothing
    }
    record.phrase = gesturePhrase;
    AppendAnnotation(std::move(record));
    DrawLastOnLayer(true);
    RecordAdd(AnnotationCount() - 1);
}

static void DropHeld(int tool) {
    if (tool < TOOL_RECT || tool > TOOL_ARROW) return;  // moved in place, not recorded
    if (shapeHeld < 0 || shapeHeld >= AnnotationCount()) return;
    const Annotation& held = annotations[shapeHeld];
    int32_t dx, dy;
    if (held.kind == ANNOT_ARROW && held.points.size() >= 2) {
        dx = held.points[0].x - ptHeldOrigin.x;
        dy = held.points[0].y - ptHeldOrigin.y;
    } else {
        dx = held.x - ptHeldOrigin.x;
        dy = held.y - ptHeldOrigin.y;
    }
    if (undoneCount > 0) ClearHistory();
    BringAnnotationToTop(shapeHeld);
    LayHeldOnTop();
    RecordMove(shapeHeld, dx, dy);
}

void OnPointerUp() {
    ReleaseCapture();
    laserHeld = false;
    buttonDown = false;
    ResumeHeldPaint();
    if (!pressSeen) return;
    pressSeen = false;
    if (shapeText == -1 && dragged) {
        if (undoneCount > 0) ClearHistory();
        const int tool = CurrentTool();
        if (shapeHeld == -1)
            CommitNewRecord(tool);
        else
            DropHeld(tool);
    }
    shapeHeld = -1;
    if (gesturePhrase != 0) EndFadingGesture(gesturePhrase, inkClock());
    gesturePhrase = 0;
    ScheduleInkTimer();
    // A record moved in place goes back into the layer where it now lies;
    // then everything the gesture drew over the layer makes way for it.
    SettleLayer();
    ShowChanges();
}
