// Running the built orvanto-cli from the end-to-end tests: its exit status and
// what it printed on standard output and standard error, captured in files of
// a temporary folder.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "test_support/temp_folder.h"

namespace orvanto::test {

// The exit status (-1 when the program did not exit normally) and the output.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;

    // Standard output split into lines, without their line feeds.
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
};

// The whole content of a file; empty when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The argument in single quotes for the shell.
inline std::string Quoted(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs "ORVANTO_CLI <command> <args>" through the shell with standard output
// and standard error written to the files "out" and "err" of the folder.
// When input is given (even empty) it is written to the file "in" and fed on
// standard input. environment, when not empty, is put before the program
// (for instance "LC_ALL=C").
inline CliRun RunCli(const std::filesystem::path& folder, const std::string& command,
                     const std::vector<std::string>& args,
                     const std::optional<std::string>& input = std::nullopt,
                     const std::string& environment = {}) {
    std::string line = environment.empty() ? std::string() : environment + " ";
    line += Quoted(ORVANTO_CLI) + " " + command;
    for (const std::string& arg : args) line += " " + Quoted(arg);
    if (input) {
        std::ofstream(folder / "in", std::ios::binary) << *input;
        line += " <" + Quoted(folder / "in");
    }
    line += " >" + Quoted(folder / "out") + " 2>" + Quoted(folder / "err");
    CliRun run;
    const int raw = std::system(line.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(folder / "out");
    run.err = ReadFile(folder / "err");
    return run;
}

inline CliRun RunCli(const TempFolder& folder, const std::string& command,
                     const std::vector<std::string>& args,
                     const std::optional<std::string>& input = std::nullopt,
                     const std::string& environment = {}) {
    return RunCli(folder.Path(), command, args, input, environment);
}

// A copy of the built program (with the cities library and, unless withQtModule
// is false, the Qt module beside it) in the folder, so that a settings file
// can lie beside the program; the copy's path.
inline std::filesystem::path CopyProgramInto(const std::filesystem::path& folder, bool withQtModule = true) {
    const std::filesystem::path program(ORVANTO_CLI);
    const auto copy = std::filesystem::copy_options::overwrite_existing;
    std::filesystem::copy_file(program, folder / program.filename(), copy);
    std::filesystem::copy_file(program.parent_path() / "libcities.so", folder / "libcities.so", copy);
    if (withQtModule)
        std::filesystem::copy_file(program.parent_path() / "libcli-qt.so", folder / "libcli-qt.so", copy);
    return folder / program.filename();
}

// Runs "orvanto-cli <arguments>" with standard error going with standard
// output; the arguments are shell words as they stand.
// The program is the built one unless another copy is named.
inline CliRun RunCliMerged(const std::string& arguments, const std::string& program = ORVANTO_CLI) {
    const std::string command = Quoted(program) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, {}};
}

}  // namespace orvanto::test
