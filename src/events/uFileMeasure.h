#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// How big the file or folder a path names is, the way a directory search for the path sees it.
// A folder (IsFolder: the path ends in a delimiter) measures 0 when it exists. Otherwise a path
// whose file-name part holds "*" or "?" measures the first entry of its folder that matches;
// any other path measures the entry itself: a file its size, a folder 0. -1 when nothing is
// found or the folder cannot be read.
std::int64_t MeasurePath(const std::string& Path, bool IsFolder);

// Whether a file name matches a wildcard pattern as directory searches match them: "*" is any
// run of characters, "?" one character, letters compare without regard to case, and a pattern
// ending in ".*" also takes names without that extension ("*.*" takes every name). Brackets are
// ordinary characters in file names.
bool MatchesFileNamePattern(std::string_view Name, std::string_view Pattern);
