#pragma once

#include <string>

// One value of a settings file, read and written through our own profile
// text functions instead of the platform's, which rewrite the whole file.

// At most this many characters of a value are read, as through a buffer of 64.
constexpr size_t kProfileValueChars = 63;

// The value, cut to kProfileValueChars; empty when the file, the section or
// the key is missing, the value is empty, or the file cannot be read.
std::string ReadProfileValue(const std::string& path, const char* section, const char* key);

// Sets the value in the file, creating the file (its folder must exist), the
// section or the key when missing; every other byte of the file stays. A
// read-only file is not written (ERROR_ACCESS_DENIED) and neither is a file
// whose text the profile functions do not handle (ERROR_INVALID_DATA).
bool WriteProfileValue(const std::string& path, const char* section, const char* key,
                       const std::string& value);
