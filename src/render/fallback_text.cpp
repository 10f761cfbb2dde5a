#include "render/fallback_text.h"

#include <usp10.h>

#include <algorithm>
#include <map>
#include <unordered_map>
#include <vector>

#include "win/gdi_owner.h"

namespace {

constexpr UINT WRAPPED_TEXT = DT_WORDBREAK | DT_EDITCONTROL;
constexpr int PROBE_HEIGHT = -20;  // coverage does not depend on the size

// Faces tried first for a character the chosen face lacks: the system's own
// faces for the scripts they cover. Every other face follows, by name.
const wchar_t* const preferredFaces[] = {
    L"Segoe UI",        L"Segoe UI Symbol", L"Segoe UI Emoji", L"Segoe UI Historic", L"Nirmala UI",
    L"Microsoft YaHei", L"Yu Gothic",       L"Meiryo",         L"Malgun Gothic",     L"Microsoft JhengHei",
    L"Ebrima",          L"Gadugi",          L"Leelawadee UI",  L"Arial Unicode MS",  L"SimSun"};

std::wstring FaceOf(HDC dc) {
    wchar_t face[LF_FACESIZE] = L"";
    GetTextFaceW(dc, LF_FACESIZE, face);
    return face;
}

// Whether the font selected into `dc` has a glyph for every character of
// `units` (one character: one or two UTF-16 units, with marks after it).
bool FontHas(HDC dc, const wchar_t* units, int count) {
    if (count == 1 && units[0] < 0x20) return true;  // control characters draw nothing in any face
    SCRIPT_ITEM items[4];
    int itemCount = 0;
    if (FAILED(ScriptItemize(units, count, 3, nullptr, nullptr, items, &itemCount))) return false;
    SCRIPT_CACHE cache = nullptr;
    SCRIPT_FONTPROPERTIES properties{};
    properties.cBytes = sizeof properties;
    WORD glyphs[64], clusters[32];
    SCRIPT_VISATTR attributes[64];
    int glyphCount = 0;
    bool has = true;
    for (int i = 0; i < itemCount && has; ++i) {
        const int start = items[i].iCharPos, length = items[i + 1].iCharPos - start;
        if (length > 32) return false;
        has = ScriptShape(dc, &cache, units + start, length, 64, &items[i].a, glyphs, clusters, attributes,
                          &glyphCount) == S_OK &&
              ScriptGetFontProperties(dc, &cache, &properties) == S_OK;
        for (int g = 0; g < glyphCount && has; ++g) has = glyphs[g] != 0 && glyphs[g] != properties.wgDefault;
    }
    ScriptFreeCache(&cache);
    return has;
}

// Whether face `face` has the character, remembered per face and character.
bool FaceHas(HDC dc, const std::wstring& face, const std::wstring& character) {
    static std::map<std::wstring, std::map<std::wstring, bool>> known;
    const auto found = known[face].find(character);
    if (found != known[face].end()) return found->second;
    return known[face][character] = FontHas(dc, character.c_str(), static_cast<int>(character.size()));
}

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM list) {
    auto& faces = *reinterpret_cast<std::vector<std::wstring>*>(list);
    if ((type & TRUETYPE_FONTTYPE) && font->lfFaceName[0] != L'@') faces.emplace_back(font->lfFaceName);
    return 1;
}

// Every scalable face of the system, the preferred ones first; read once.
const std::vector<std::wstring>& FallbackFaces(HDC dc) {
    static std::vector<std::wstring> faces;
    static bool read = false;
    if (read) return faces;
    read = true;
    std::vector<std::wstring> all;
    LOGFONTW any{};
    any.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &any, reinterpret_cast<FONTENUMPROCW>(CollectFace), reinterpret_cast<LPARAM>(&all), 0);
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    for (const wchar_t* face : preferredFaces)
        if (std::find(all.begin(), all.end(), face) != all.end()) faces.emplace_back(face);
    for (const std::wstring& face : all)
        if (std::find(faces.begin(), faces.end(), face) == faces.end()) faces.push_back(face);
    return faces;
}

// The first face of the system that has the character, or an empty name.
std::wstring FallbackFaceFor(const std::wstring& character) {
    static std::map<std::wstring, std::wstring> chosen;
    const auto found = chosen.find(character);
    if (found != chosen.end()) return found->second;
    // Faces that served earlier characters are tried first: text of one
    // script mostly finds its face there at once.
    static std::vector<std::wstring> used;
    std::wstring face;
    HDC probe = CreateCompatibleDC(nullptr);
    std::vector<std::wstring> candidates = used;
    candidates.insert(candidates.end(), FallbackFaces(probe).begin(), FallbackFaces(probe).end());
    for (const std::wstring& candidate : candidates) {
        FontOwner font(CreateFontW(PROBE_HEIGHT, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                   candidate.c_str()));
        SelectGuard selected(probe, font.get());
        if (FaceOf(probe) == candidate && FaceHas(probe, candidate, character)) {
            face = candidate;
            break;
        }
    }
    DeleteDC(probe);
    if (!face.empty() && std::find(used.begin(), used.end(), face) == used.end()) used.push_back(face);
    return chosen[character] = face;
}

char32_t CodePointAt(const std::wstring& text, size_t i, size_t& length) {
    const char32_t c = text[i];
    length = 1;
    if (c < 0xD800 || c > 0xDBFF || i + 1 >= text.size()) return c;
    const char32_t low = text[i + 1];
    if (low < 0xDC00 || low > 0xDFFF) return c;
    length = 2;
    return 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
}

// Combining marks, variation selectors, joiners and skin tones belong to the
// character before them and are drawn in its face.
bool Attaches(char32_t c) {
    return (c >= 0x300 && c <= 0x36F) || (c >= 0x591 && c <= 0x5C7) || (c >= 0x64B && c <= 0x65F) ||
           (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) || c == 0x200D ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F) ||
           (c >= 0x1F3FB && c <= 0x1F3FF) || (c >= 0xE0100 && c <= 0xE01EF);
}

// Scripts written without spaces: a line may break before and after each.
bool EastAsian(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x3FFFF);
}

// One character as drawn, with what attaches to it, and the font it takes:
// 0 the chosen one, k the k-th fallback face.
struct Cluster {
    std::wstring units;
    size_t font = 0;
    bool space = false;
    bool newline = false;
    bool eastAsian = false;
};

std::vector<Cluster> ClustersOf(const std::wstring& text) {
    std::vector<Cluster> clusters;
    bool joined = false;  // after a joiner the next character attaches too
    for (size_t i = 0, length = 1; i < text.size(); i += length) {
        const char32_t c = CodePointAt(text, i, length);
        if (c == L'\r') continue;
        if (!clusters.empty() && !clusters.back().newline && (joined || Attaches(c))) {
            clusters.back().units.append(text, i, length);
        } else {
            Cluster cluster;
            cluster.units.assign(text, i, length);
            cluster.newline = c == L'\n';
            cluster.space = c == L' ' || c == L'\t' || c == 0x3000;
            cluster.eastAsian = EastAsian(c);
            clusters.push_back(cluster);
        }
        joined = c == 0x200D;
    }
    return clusters;
}

// Gives each cluster its font; the fallback faces used, in order, go to `faces`.
void ChooseFonts(HDC dc, std::vector<Cluster>& clusters, std::vector<std::wstring>& faces) {
    const std::wstring chosen = FaceOf(dc);
    for (Cluster& cluster : clusters) {
        if (cluster.newline || FaceHas(dc, chosen, cluster.units)) continue;
        const std::wstring face = FallbackFaceFor(cluster.units);
        if (face.empty()) continue;  // no face has it: the chosen one shows what it can
        const auto known = std::find(faces.begin(), faces.end(), face);
        cluster.font = static_cast<size_t>(known - faces.begin()) + 1;
        if (known == faces.end()) faces.push_back(face);
    }
}

// A stretch of one line in one font.
struct Piece {
    size_t font;
    std::wstring text;
};
using Line = std::vector<Piece>;

class Layout {
public:
    Layout(HDC dc, const std::vector<std::wstring>& faces, int width) : dc_(dc), width_(width) {
        fonts_.push_back(static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT)));
        LOGFONTW font{};
        GetObjectW(fonts_[0], sizeof font, &font);
        for (const std::wstring& face : faces) {
            lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
            font.lfCharSet = DEFAULT_CHARSET;
            fonts_.push_back(CreateFontIndirectW(&font));
        }
    }
    ~Layout() {
        SelectObject(dc_, fonts_[0]);
        for (size_t i = 1; i < fonts_.size(); ++i) DeleteObject(fonts_[i]);
    }
    Layout(const Layout&) = delete;
    Layout& operator=(const Layout&) = delete;

    int Width(size_t font, const std::wstring& text) {
        SelectObject(dc_, fonts_[font]);
        SIZE size{};
        GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

    // Lines as DrawText's word break makes them.
    std::vector<Line> Break(const std::vector<Cluster>& clusters) {
        lines_.assign(1, Line{});
        x_ = 0;
        wrapped_ = false;
        for (size_t i = 0; i < clusters.size();) {
            if (clusters[i].newline) {
                lines_.emplace_back();
                x_ = 0;
                wrapped_ = false;
                ++i;
                continue;
            }
            size_t end = i + 1;  // a word, a run of spaces or one East Asian character
            const bool space = clusters[i].space;
            while (end < clusters.size() && !clusters[end].newline && clusters[end].space == space &&
                   !clusters[end].eastAsian && !clusters[end - 1].eastAsian)
                ++end;
            PlaceWord(clusters, i, end, space);
            i = end;
        }
        return lines_;
    }

    void Draw(const std::vector<Line>& lines, const RECT& box) {
        TEXTMETRICW metrics{};
        SelectObject(dc_, fonts_[0]);
        GetTextMetricsW(dc_, &metrics);
        const UINT align = SetTextAlign(dc_, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
        int top = box.top;
        for (const Line& line : lines) {
            if (top >= box.bottom) break;
            int x = box.left;
            for (const Piece& piece : line) {
                SelectObject(dc_, fonts_[piece.font]);
                ExtTextOutW(dc_, x, top + metrics.tmAscent, ETO_CLIPPED, &box, piece.text.c_str(),
                            static_cast<UINT>(piece.text.size()), nullptr);
                x += Width(piece.font, piece.text);
            }
            top += metrics.tmHeight;
        }
        SetTextAlign(dc_, align);
    }

private:
    int WidthOf(const std::vector<Cluster>& clusters, size_t begin, size_t end) {
        int width = 0;
        for (size_t i = begin; i < end;) {
            size_t run = i;
            std::wstring text;
            while (run < end && clusters[run].font == clusters[i].font) text += clusters[run++].units;
            width += Width(clusters[i].font, text);
            i = run;
        }
        return width;
    }

    void Append(const Cluster& cluster) {
        Line& line = lines_.back();
        if (line.empty() || line.back().font != cluster.font)
            line.push_back({cluster.font, cluster.units});
        else
            line.back().text += cluster.units;
    }

    void Wrap() {
        lines_.emplace_back();
        x_ = 0;
        wrapped_ = true;
    }

    // Spaces stay on their line; a word that does not fit starts the next
    // one, and a word wider than the box is broken between characters.
    void PlaceWord(const std::vector<Cluster>& clusters, size_t begin, size_t end, bool space) {
        const int width = WidthOf(clusters, begin, end);
        if (space) {
            if (x_ == 0 && wrapped_) return;  // a line that a wrap began starts with a word
            for (size_t i = begin; i < end; ++i) Append(clusters[i]);
            x_ += width;
            return;
        }
        if (x_ > 0 && x_ + width > width_) Wrap();
        if (width <= width_) {
            for (size_t i = begin; i < end; ++i) Append(clusters[i]);
            x_ += width;
            return;
        }
        for (size_t i = begin; i < end; ++i) {
            const int one = Width(clusters[i].font, clusters[i].units);
            if (x_ > 0 && x_ + one > width_) Wrap();
            Append(clusters[i]);
            x_ += one;
        }
    }

    HDC dc_;
    int width_;
    std::vector<HFONT> fonts_;
    std::vector<Line> lines_;
    int x_ = 0;
    bool wrapped_ = false;
};

}  // namespace

bool TextNeedsFallback(HDC dc, const std::wstring& text) {
    std::vector<Cluster> clusters = ClustersOf(text);
    std::vector<std::wstring> faces;
    ChooseFonts(dc, clusters, faces);
    return !faces.empty();
}

void DrawTextWithFallback(HDC dc, const std::wstring& text, RECT box) {
    std::vector<Cluster> clusters = ClustersOf(text);
    std::vector<std::wstring> faces;
    ChooseFonts(dc, clusters, faces);
    if (faces.empty()) {
        DrawTextW(dc, text.c_str(), -1, &box, WRAPPED_TEXT);
        return;
    }
    Layout layout(dc, faces, box.right - box.left);
    layout.Draw(layout.Break(clusters), box);
}
