#pragma once
// Files that ship with the program in its own folder.

#include <string>

// The folder that holds the running program's executable, without a trailing separator.
std::string ApplicationFolder();
// The address (a file: URL, fit for ShowURL) of the named file in that folder.
std::string ApplicationFileURL(const std::string& fileName);
