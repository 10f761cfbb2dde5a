#include "core/snapshot_file.h"

static std::string_view FileNamePart(std::string_view path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view SnapshotExtension(std::string_view path) {
    const std::string_view name = FileNamePart(path);
    const size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

const char* EncoderMimeForExtension(std::string_view extension) {
    struct Row {
        const char* lower;
        const char* upper;
        const char* mime;
    };
    static const Row table[] = {
        {"png", "PNG", "image/png"},
        {"jpeg", "JPEG", "image/jpeg"},
        {"bmp", "BMP", "image/bmp"},
    };
    for (const Row& row : table)
        if (extension == row.lower || extension == row.upper) return row.mime;
    return nullptr;
}

std::string WithDefaultExtension(const std::string& path) {
    const std::string_view name = FileNamePart(path);
    if (name.find('.') != std::string_view::npos || name.empty()) return path;
    return path + ".png";
}

static std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string UniqueSnapshotPath(std::string folder, const ClockTime& t,
                               const std::function<bool(const std::string&)>& taken) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    const std::string stem = folder + "Quillcast " + std::to_string(t.year) + "-" + TwoDigits(t.month) + "-" +
                             TwoDigits(t.day) + " " + TwoDigits(t.hour) + "." + TwoDigits(t.minute) + "." +
                             TwoDigits(t.second);
    std::string path = stem + ".png";
    for (int n = 2; taken(path); ++n) path = stem + " (" + std::to_string(n) + ").png";
    return path;
}
