#pragma once

// Command line of orba: a quiz path to open, or one of the author's modes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    enum class Mode { Run, Help, Version, DumpScript, Error };
    Mode mode = Mode::Run;
    // The quiz to open (Run) or to dump (DumpScript); may be empty.
    std::string path;
    std::optional<std::uint64_t> seed;
    std::string error;
};

// args excludes the program name. A path wrapped in one pair of double
// quotes loses them, as when a desktop passes it that way.
CommandLine parseCommandLine(const std::vector<std::string>& args);

std::string usageText();

// orba --dump-script: loads the file without any window and writes the bank
// as JSON to `out`, or the reason it could not to `err`. Returns the exit code.
int dumpScript(const std::string& path, std::optional<std::uint64_t> seed, std::string& out, std::string& err);
