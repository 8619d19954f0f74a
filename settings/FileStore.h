#pragma once

#include <string>
#include <string_view>

// Whole files through Win32. On failure the thread's last-error code is the
// one of the step that failed.

// The new text is written to the file's path followed by this, then moved.
constexpr const char* kNewFileSuffix = ".kestrune-new";

// Reads the whole file into `text`.
bool ReadWholeFile(const std::string& path, std::string& text);

// Writes `text` into a new file beside `path` and then puts it in the place
// of `path` in one step, so the file is always either the old or the new one.
bool ReplaceFileText(const std::string& path, std::string_view text);
