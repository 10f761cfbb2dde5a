// Whole files: reading them, and replacing them so that a failed write
// never leaves a half-written file in place of a good one.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

bool ReadWholeFile(const std::string& path, std::string& data);

// A new empty file beside `target` (its name followed by a unique suffix),
// created exclusively, so that no file the program did not make is ever
// overwritten; its path, or an empty string when none could be made.
std::wstring CreateTempFileBeside(const std::wstring& target);

// Lets `write` fill a file of the program's own beside `target`, which then
// replaces `target`. When anything fails, that file is removed and the
// earlier `target` stays as it was.
bool ReplaceFileThroughTemp(const std::wstring& target, const std::function<bool(const std::wstring& temp)>& write);

// Replaces `path` with `data` that way.
bool WriteFileReplacing(const std::string& path, const std::string& data);

bool FileExists(const std::string& path);

// Size of a file in bytes; -1 when it cannot be found.
int64_t FileBytes(const std::string& path);

// A text file the program stores (Settings.dat, History.dat), in UTF-8: lines
// written by earlier versions in the legacy code page are converted. False
// when it cannot be read.
bool ReadStoredText(const std::string& path, std::string& text);
