// Paths and texts between the program and Windows' wide functions: above the backend a path
// is UTF-8 text, which Windows gets wide, absolute and with the \\?\ prefix, so that folders
// named in any script and paths longer than MAX_PATH open like any other; other texts are
// in the code page.
#pragma once

#include <string>

// UTF-8 to UTF-16 and back. WideOf throws failure 52 for text that is not UTF-8.
std::wstring WideOf(const std::string& utf8);
std::string Utf8Of(const std::wstring& wide);

// Text in the code page to UTF-16.
std::wstring CodePageWide(const std::string& text);

// The path as the wide-character file functions take it beyond MAX_PATH: made absolute from
// the current folder, "." and ".." resolved, with \\?\ (\\?\UNC\ for a share) before it.
// Throws failure 52 for an empty path or one holding a NUL.
std::wstring FileSystemPath(const std::string& path);
