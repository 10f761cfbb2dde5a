// The records file (LastDrawing.dat): the records of a drawing as text.
//
// Lines end in LF (CR LF is accepted on reading). The first four lines are
//
//   QuillcastDrawing 2         the format and its version
//   whiteboard W               1: the white board was shown, 0: the picture
//   picture B                  size in bytes of the picture file written with it
//   records N                  the number of record lines that follow
//
// and then exactly N lines, one record each in list order, fields separated
// by one space:
//
//   kind x y cx cy color lineWidth opacity filled markIndex markNumber
//   textColorRow textColorCol fontSize fontIndex pointCount, then pointCount
//   pairs "px py", then the text in double quotes.
//
// Numbers are decimal, an optional '-' and digits, within a signed 32-bit
// value; each field must also lie in its range in the table below (the
// ranges of the records the tools make), and the point count must suit the
// kind: exactly 2 for rectangles to arrows, none for highlighter bands and
// marks. The text is UTF-8, kept byte for byte: every byte outside '!'..'~',
// and '%' and '"', is written as '%' and two hex digits, so any text of any
// length fits on its line; text that is not valid UTF-8 is damage. Version 1
// files, written before, are read the same way, but their text is in the
// legacy code page and is taken as it stands. A drawing of live ink is
// written as version 3, which has one more line after the white board's,
// "live 1"; every other drawing is written as version 2, which earlier
// versions of the program read too. Nothing else may follow the last record line but line
// ends. A file that breaks any of this is refused as a whole.
#include "core/records_file.h"

#include <array>
#include <cstdint>

#include "core/options.h"
#include "core/utf8.h"

namespace {

constexpr std::string_view FILE_HEADER = "QuillcastDrawing 2";
constexpr std::string_view LEGACY_FILE_HEADER = "QuillcastDrawing 1";
constexpr std::string_view LIVE_FILE_HEADER = "QuillcastDrawing 3";
constexpr std::string_view LIVE_KEY = "live ";
constexpr std::string_view WHITEBOARD_KEY = "whiteboard ";
constexpr std::string_view PICTURE_KEY = "picture ";
constexpr std::string_view COUNT_KEY = "records ";
constexpr int MAX_LINE_WIDTH = 7;
constexpr int MAX_OPACITY = 5;
constexpr int MAX_FONT_SIZE = 1000;

// The numeric fields of a record line, in file order.
enum Field {
    KIND,
    X,
    Y,
    CX,
    CY,
    COLOR,
    LINE_WIDTH,
    OPACITY,
    FILLED,
    MARK_INDEX,
    MARK_NUMBER,
    TEXT_ROW,
    TEXT_COL,
    FONT_SIZE,
    FONT_INDEX,
    POINT_COUNT,
    FIELD_COUNT
};

struct Range {
    int64_t min, max;
};
constexpr Range fieldRanges[FIELD_COUNT] = {
    {ANNOT_PEN, ANNOT_MARK},    // kind
    {ANY_MIN, ANY_MAX},         // x
    {ANY_MIN, ANY_MAX},         // y
    {ANY_MIN, ANY_MAX},         // cx
    {ANY_MIN, ANY_MAX},         // cy
    {0, 0xFFFFFF},              // color, a COLORREF
    {0, MAX_LINE_WIDTH},        // lineWidth (0: a mark, which has none)
    {0, MAX_OPACITY},           // opacity (0: a mark)
    {0, 1},                     // filled
    {0, MARK_COUNT - 1},        // markIndex
    {ANY_MIN, ANY_MAX},         // markNumber
    {0, 1},                     // textColorRow
    {0, PALETTE_COLUMNS - 1},   // textColorCol
    {1, MAX_FONT_SIZE},         // fontSize
    {-1, FONT_FACE_COUNT - 1},  // fontIndex
    {0, ANY_MAX},               // pointCount, checked against the kind and the line
};

std::array<int64_t, FIELD_COUNT> FieldsOf(const Annotation& a) {
    return {a.kind,         a.x,         a.y,          a.cx,
            a.cy,           a.color,     a.lineWidth,  a.opacity,
            a.filled,       a.markIndex, a.markNumber, a.textColorRow,
            a.textColorCol, a.fontSize,  a.fontIndex,  static_cast<int64_t>(a.points.size())};
}

void SetFields(Annotation& a, const std::array<int64_t, FIELD_COUNT>& f) {
    a.kind = static_cast<uint8_t>(f[KIND]);
    a.x = static_cast<int32_t>(f[X]);
    a.y = static_cast<int32_t>(f[Y]);
    a.cx = static_cast<int32_t>(f[CX]);
    a.cy = static_cast<int32_t>(f[CY]);
    a.color = static_cast<uint32_t>(f[COLOR]);
    a.lineWidth = static_cast<int16_t>(f[LINE_WIDTH]);
    a.opacity = static_cast<int16_t>(f[OPACITY]);
    a.filled = static_cast<int32_t>(f[FILLED]);
    a.markIndex = static_cast<int32_t>(f[MARK_INDEX]);
    a.markNumber = static_cast<int32_t>(f[MARK_NUMBER]);
    a.textColorRow = static_cast<int32_t>(f[TEXT_ROW]);
    a.textColorCol = static_cast<int32_t>(f[TEXT_COL]);
    a.fontSize = static_cast<int32_t>(f[FONT_SIZE]);
    a.fontIndex = static_cast<int32_t>(f[FONT_INDEX]);
}

bool PointCountSuitsKind(int64_t kind, int64_t count) {
    if (kind >= ANNOT_RECT && kind <= ANNOT_ARROW) return count == 2;
    return kind == ANNOT_PEN || count == 0;
}

const char HEX_DIGITS[] = "0123456789ABCDEF";

bool KeptAsIs(unsigned char c) { return c > ' ' && c <= '~' && c != '%' && c != '"'; }

void AppendEscaped(std::string& out, std::string_view text) {
    out += '"';
    for (unsigned char c : text) {
        if (KeptAsIs(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += HEX_DIGITS[c >> 4];
            out += HEX_DIGITS[c & 0xF];
        }
    }
    out += '"';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool ParseEscaped(std::string_view token, std::string& text) {
    if (token.size() < 2 || token.front() != '"' || token.back() != '"') return false;
    token = token.substr(1, token.size() - 2);
    text.clear();
    for (size_t i = 0; i < token.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(token[i]);
        if (KeptAsIs(c)) {
            text += static_cast<char>(c);
            continue;
        }
        if (c != '%' || i + 2 >= token.size()) return false;
        const int high = HexValue(token[i + 1]), low = HexValue(token[i + 2]);
        if (high < 0 || low < 0) return false;
        text += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return true;
}

// A signed 32-bit decimal: an optional '-' and 1 to 10 digits.
bool ParseNumber(std::string_view s, int64_t& value) {
    const bool negative = !s.empty() && s[0] == '-';
    if (negative) s.remove_prefix(1);
    if (s.empty() || s.size() > 10) return false;
    int64_t n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    value = negative ? -n : n;
    return value >= INT32_MIN && value <= INT32_MAX;
}

// Pieces of a text up to each `separator`: lines (a CR before the LF is
// dropped) or the space-separated fields of a record line.
struct FieldReader {
    std::string_view text;
    char separator;
    bool Next(std::string_view& piece) {
        if (text.empty()) return false;
        const size_t end = text.find(separator);
        piece = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!piece.empty() && piece.back() == '\r') piece.remove_suffix(1);
        return true;
    }
    bool NextNumber(int64_t& value, Range range) {
        std::string_view token;
        return Next(token) && ParseNumber(token, value) && value >= range.min && value <= range.max;
    }
};

bool ParseRecordLine(std::string_view line, bool utf8, Annotation& record) {
    FieldReader tokens{line, ' '};
    std::array<int64_t, FIELD_COUNT> fields{};
    for (int f = 0; f < FIELD_COUNT; ++f)
        if (!tokens.NextNumber(fields[f], fieldRanges[f])) return false;
    if (!PointCountSuitsKind(fields[KIND], fields[POINT_COUNT])) return false;
    // Each point takes at least four characters, so a count larger than the
    // line could hold is refused before anything is reserved for it.
    if (fields[POINT_COUNT] > static_cast<int64_t>(line.size() / 4)) return false;
    SetFields(record, fields);
    record.points.resize(static_cast<size_t>(fields[POINT_COUNT]));
    for (Point32& p : record.points) {
        int64_t x, y;
        if (!tokens.NextNumber(x, {ANY_MIN, ANY_MAX}) || !tokens.NextNumber(y, {ANY_MIN, ANY_MAX})) return false;
        p = {static_cast<int32_t>(x), static_cast<int32_t>(y)};
    }
    std::string_view text;
    return tokens.Next(text) && tokens.text.empty() && ParseEscaped(text, record.text) &&
           (!utf8 || IsValidUtf8(record.text));
}

bool ParseKeyedNumber(FieldReader& lines, std::string_view key, Range range, int64_t& value) {
    std::string_view line;
    if (!lines.Next(line) || line.substr(0, key.size()) != key) return false;
    return ParseNumber(line.substr(key.size()), value) && value >= range.min && value <= range.max;
}

}  // namespace

std::string FormatRecordsFile(const DrawingRecords& drawing) {
    std::string out;
    out += drawing.live ? LIVE_FILE_HEADER : FILE_HEADER;
    out += '\n';
    out += WHITEBOARD_KEY;
    out += drawing.whiteboard ? "1\n" : "0\n";
    if (drawing.live) {
        out += LIVE_KEY;
        out += "1\n";
    }
    out += PICTURE_KEY;
    out += std::to_string(drawing.pictureBytes);
    out += '\n';
    out += COUNT_KEY;
    out += std::to_string(drawing.records.size());
    out += '\n';
    for (const Annotation& a : drawing.records) {
        for (int64_t value : FieldsOf(a)) {
            out += std::to_string(value);
            out += ' ';
        }
        for (const Point32& p : a.points) {
            out += std::to_string(p.x);
            out += ' ';
            out += std::to_string(p.y);
            out += ' ';
        }
        AppendEscaped(out, a.text);
        out += '\n';
    }
    return out;
}

bool ParseRecordsFile(std::string_view text, DrawingRecords& drawing) {
    FieldReader lines{text, '\n'};
    std::string_view line;
    if (!lines.Next(line) || (line != FILE_HEADER && line != LEGACY_FILE_HEADER && line != LIVE_FILE_HEADER))
        return false;
    const bool legacy = line == LEGACY_FILE_HEADER, hasLive = line == LIVE_FILE_HEADER;
    int64_t whiteboard = 0, live = 0, pictureBytes = 0, count = 0;
    if (!ParseKeyedNumber(lines, WHITEBOARD_KEY, {0, 1}, whiteboard)) return false;
    if (hasLive && !ParseKeyedNumber(lines, LIVE_KEY, {0, 1}, live)) return false;
    if (!ParseKeyedNumber(lines, PICTURE_KEY, {0, ANY_MAX}, pictureBytes)) return false;
    if (!ParseKeyedNumber(lines, COUNT_KEY, {0, ANY_MAX}, count)) return false;
    DrawingRecords read;
    read.whiteboard = whiteboard == 1;
    read.live = live == 1;
    read.pictureBytes = pictureBytes;
    read.legacyText = legacy;
    for (int64_t i = 0; i < count; ++i) {
        Annotation record;
        if (!lines.Next(line) || !ParseRecordLine(line, !legacy, record)) return false;
        read.records.push_back(std::move(record));
    }
    while (lines.Next(line))
        if (!line.empty()) return false;
    drawing = std::move(read);
    return true;
}
