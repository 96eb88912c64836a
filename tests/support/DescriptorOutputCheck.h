#pragma once
// The check that a command's output option writes to the descriptor its name stands for
// ("-", /dev/stdout, /dev/fd/N) the way the shell handed it over: after what is already
// there, into a pipe, into a descriptor other than standard output. What arrives must be
// what the command writes to a file.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli/ArgumentKinds.h"
#include "support/CliCommandTable.h"
#include "support/CliTest.h"
#include "support/Programs.h"

namespace radioprog::testing {

inline std::string ShellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// A PDF carries the time it was made, so two sheets of one project differ in a few bytes;
// of a PDF the frame and the size are compared.
inline void ExpectSameOutput(const std::string& arrived, const std::string& written) {
    if (written.starts_with("%PDF-")) {
        EXPECT_TRUE(arrived.starts_with("%PDF-"));
        EXPECT_TRUE(arrived.ends_with("%%EOF\n"));
        EXPECT_EQ(arrived.size(), written.size());
    } else {
        EXPECT_EQ(arrived, written);
    }
}

inline void ExpectOutputThroughDescriptors(const CliTool& cli, const ToolCommand& command,
                                           const std::map<std::string, std::string>& values,
                                           const std::string& device,
                                           const std::filesystem::path& folder) {
    SCOPED_TRACE(command.Title());
    size_t output = 0;
    while (output < command.arguments.size() &&
           command.arguments[output].kind != cli::kOutputArgument) {
        ++output;
    }
    ASSERT_LT(output, command.arguments.size());
    const std::string file = (folder / "as-a-file").string();
    const auto toFile = cli(command.Line(values, device, {{output, file}}));
    ASSERT_EQ(toFile.exitCode, 0) << toFile.err;
    const std::string written = ReadAll(file);
    ASSERT_FALSE(written.empty());

    const std::string log = (folder / "log").string();
    struct Redirection {
        const char* name;    // the output option's value
        const char* script;  // %s: the command
        const char* before;  // what the shell wrote to the log first
    };
    const Redirection redirections[] = {
        {"-", "{ printf 'a\\n'; %s; } > LOG", "a\n"},
        {"/dev/stdout", "{ printf 'a\\n'; %s; } > LOG", "a\n"},
        {"/dev/fd/1", "{ printf 'a\\n'; %s; } > LOG", "a\n"},
        {"-", "%s | cat > LOG", ""},
        {"/dev/stdout", "%s | cat > LOG", ""},
        {"/dev/fd/3", "{ printf 'a\\n' >&3; %s; } 3> LOG", "a\n"},
    };
    for (const Redirection& redirection : redirections) {
        SCOPED_TRACE(redirection.script + std::string(" with ") + redirection.name);
        std::string line;
        for (const std::string& word :
             cli.Command(command.Line(values, device, {{output, redirection.name}}))) {
            line += ShellQuoted(word) + " ";
        }
        std::string script = redirection.script;
        script.replace(script.find("%s"), 2, line);
        script.replace(script.find("LOG"), 3, ShellQuoted(log));
        std::filesystem::remove(log);
        const auto run = RunProgram({"/bin/sh", "-c", script}, folder);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        const std::string arrived = ReadAll(log);
        ASSERT_TRUE(arrived.starts_with(redirection.before)) << arrived.substr(0, 40);
        ExpectSameOutput(arrived.substr(std::string(redirection.before).size()), written);
        EXPECT_FALSE(std::filesystem::exists(folder / "-")) << "a file named - was written";
    }
}

}  // namespace radioprog::testing
