// Annotation records and the ordered list of them. The list order is the
// drawing order: the last record lies on top. Platform-free.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Point32 {
    int32_t x;
    int32_t y;
    bool operator==(const Point32&) const = default;
};

// Kinds 1..7 equal the tool values that make them.
enum AnnotationKind : uint8_t {
    ANNOT_PEN = 1,
    ANNOT_HIGHLIGHTER = 2,
    ANNOT_RECT = 3,
    ANNOT_ROUNDRECT = 4,
    ANNOT_ELLIPSE = 5,
    ANNOT_ARROW = 6,
    ANNOT_MARK = 7,
};

constexpr int MAX_TEXT_LENGTH = 1999;  // characters of text a shape can hold
constexpr int HIGHLIGHT_HEIGHT_PER_WIDTH = 7;

struct Annotation {
    int32_t markIndex = 0;     // ANNOT_MARK: picture 0..11
    int32_t markNumber = 0;    // number printed on marks 0..2
    int32_t textColorRow = 0;  // text colour = palette[row * 5 + col]
    int32_t textColorCol = 0;
    int32_t fontSize = 10;   // points
    int32_t fontIndex = -1;  // face 0..7; -1: the record has no text
    std::string text;        // ANSI, lines separated by CR LF
    int32_t filled = 0;
    uint32_t color = 0;  // COLORREF 0x00BBGGRR
    int32_t x = 0, y = 0, cx = 0, cy = 0;
    uint8_t kind = 0;
    int16_t lineWidth = 0;
    int16_t opacity = 0;  // 1..5, alpha = 51 * opacity
    std::vector<Point32> points;
    int32_t phrase = 0;  // fading ink: the phrase it fades with; 0: it lasts. Never written to a file

    bool operator==(const Annotation&) const = default;
};

extern std::vector<Annotation> annotations;

// Counts the changes made to the list through the operations below and by
// undo and redo, so that a picture drawn from the list can tell whether it
// is still current. Code that edits a record in place says so itself.
extern uint64_t annotationsVersion;

// List operations; positions are zero-based.
int AnnotationCount();
void AppendAnnotation(Annotation record);
void RemoveAnnotationAt(int position);
void InsertAnnotationAt(int position, Annotation record);
void BringAnnotationToTop(int position);
void ClearAnnotations();

// Moves a record by (dx, dy): an arrow by its two points only, every other
// kind by its box.
void OffsetAnnotation(Annotation& record, int32_t dx, int32_t dy);

// New records from a gesture, filled from the current options.
Annotation MakePenRecord(std::vector<Point32> stroke);
Annotation MakeHighlighterRecord(Point32 press, Point32 release);
Annotation MakeShapeRecord(uint8_t kind, Point32 press, Point32 release);
// width/height: natural size of the mark picture (0 when it failed to load).
Annotation MakeMarkRecord(Point32 press, int32_t width, int32_t height, int32_t number);
