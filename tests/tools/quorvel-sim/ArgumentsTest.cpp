// The simulator refuses bad arguments and folders without a board with a
// line that says what is wrong and the exit status 2, before playing.
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct SimulatorRun {
    int status;
    std::string output;
};

SimulatorRun RunSimulator(const std::string& arguments)
{
    std::string const command = std::string(QUORVEL_SIM) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    SimulatorRun run{-1, {}};
    if (!pipe)
        return run;
    char buffer[512];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        run.output.append(buffer, n);
    int const status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(QuorvelSimArguments, WhatIsWrongIsSaidAndTheStatusIsTwo)
{
    TempFolder empty;
    TempFolder fileNotFolder;
    fileNotFolder.Write("board", "not a folder");
    struct Case {
        std::string arguments;
        const char* said;
    };
    const Case cases[] = {
        {"--games 1 --board " + empty.path + "/missing", "is not a folder"},
        {"--games 1 --board " + empty.path, "holds no board file quorvelBoard.txt"},
        {"--games 1 --board " + fileNotFolder / "board", "is not a folder"},
        {"--games 1 --save-folder " + empty.path + "/missing", "the save folder"},
        {"--players 7", "--players wants a whole number from 2 to 6, not '7'"},
        {"--games ten", "--games wants a whole number"},
        {"--threads 0", "--threads wants a whole number from 1"},
        {"--seed -1", "--seed wants a whole number"},
        {"--games", "--games wants a value"},
        {"--colour red", "unknown argument '--colour'"},
    };
    for (const Case& c : cases) {
        SimulatorRun const run = RunSimulator(c.arguments);
        EXPECT_EQ(2, run.status) << c.arguments;
        EXPECT_NE(std::string::npos, run.output.find(c.said)) << c.arguments << ": " << run.output;
        EXPECT_NE(std::string::npos, run.output.find("usage:")) << c.arguments;
    }
}

TEST(QuorvelSimArguments, GoodArgumentsPlayAndPass)
{
    SimulatorRun const run = RunSimulator("--games 2 --players 3 --seed 5 --board " BOARD_DATA_DIR);
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_NE(std::string::npos, run.output.find("2 games of 3 players")) << run.output;
}

} // namespace
