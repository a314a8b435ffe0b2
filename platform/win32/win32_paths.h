// Paths between the program and Windows' wide file functions: above the backend a path is
// UTF-8 text, which Windows gets wide, absolute and with the \\?\ prefix, so that folders
// named in any script and paths longer than MAX_PATH open like any other.
#pragma once

#include <string>

// The path as the wide-character file functions take it beyond MAX_PATH: made absolute from
// the current folder, "." and ".." resolved, with \\?\ (\\?\UNC\ for a share) before it.
// Throws failure 52 for an empty path, one holding a NUL or one that is not UTF-8.
std::wstring FileSystemPath(const std::string& path);
