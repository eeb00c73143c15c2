#pragma once
// File-name arithmetic with "/" as the separator. Nothing here touches the disk except ExpandFileName, which
// reads the current directory.
#include <string>

namespace framework {

// Everything up to and including the last "/": "/a/b.wav" -> "/a/"; "b.wav" -> "".
std::string ExtractFilePath(const std::string& fileName);
// Everything after the last "/".
std::string ExtractFileName(const std::string& fileName);
// Replaces the extension (from the last "." of the name part) with extension, or appends it when there is
// none: ("a/b.c.wav", ".mp3") -> "a/b.c.mp3"; ("a.d/b", ".mp3") -> "a.d/b.mp3".
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);
// An absolute name: relative names are taken from the current directory; "." and ".." parts and repeated
// separators are resolved in the text, without following links. Empty stays empty.
std::string ExpandFileName(const std::string& fileName);

}  // namespace framework
