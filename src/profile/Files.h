#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace wifi {

// A path given as UTF-8 (a command line's argument, a window's file name),
// as the system names it, whatever its code page.
inline std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

// Who may read a file the tool writes: anyone the umask allows, or, for a
// file that holds a secret (a profile with the key, a log with secrets
// shown), its owner alone (0600 on POSIX), whatever the umask, a file that
// existed before included.
enum class FileAccess { Shared, OwnerOnly };

// Writes a whole file at once, its path UTF-8, through a new file renamed
// over the old: a reader never sees half of it. The bytes are on the device
// before it returns true; false, and error set to the system's words, when
// they are not.
bool WriteFileBytes(const std::string& path, std::string_view bytes, std::string& error,
                    FileAccess access = FileAccess::Shared);

// Appends the bytes to the file (made if missing), and returns only once
// they are written whole and on the device: a record counted done is on
// disk. False, and error set to the system's words, otherwise.
bool AppendFileBytes(const std::string& path, std::string_view bytes, std::string& error,
                     FileAccess access = FileAccess::Shared);

}  // namespace wifi
