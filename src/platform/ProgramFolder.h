#pragma once

// The program folder: where the executables and their data files (tips.txt,
// ~Sounds, ~Skins, the help) sit, in the build tree as in an installed tree.

#include <string>
#include <string_view>

// The folder of the running executable, a native path without a trailing "/".
std::string programFolder();

// A file of the program folder: dataFile("tips.txt"), dataFile("~Sounds/C01.mp3").
// A leading separator is ignored and "\" counts as "/".
std::string dataFile(std::string_view name);

// Tests point the program folder elsewhere; an empty folder restores the real one.
void setProgramFolderOverride(std::string folder);

class ScopedProgramFolder final {
public:
    explicit ScopedProgramFolder(std::string folder);
    ~ScopedProgramFolder();
    ScopedProgramFolder(const ScopedProgramFolder&) = delete;
    ScopedProgramFolder& operator=(const ScopedProgramFolder&) = delete;

private:
    std::string previous_;
};
