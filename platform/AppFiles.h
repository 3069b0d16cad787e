#pragma once
// Files that ship with the program: beside its executable in a build, in its data folder once
// installed.

#include <string>

// The folder that holds the running program's executable, without a trailing separator.
std::string ApplicationFolder();
// The path of the named file that ships with the program: beside the executable when it is
// there, else in the installed data folder when it is there, else beside the executable.
std::string ApplicationFilePath(const std::string& fileName);
// The address (a file: URL, fit for ShowURL) of that file.
std::string ApplicationFileURL(const std::string& fileName);
