// Prints what a frame of the whole board costs, counted from the built
// board and props: key=value lines for bench/run.sh.
//   bench-scene <folder of board.pod>
#include "SceneBudget.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench-scene <folder of board.pod>\n");
        return 2;
    }
    SceneBudget const budget = CountScene(argv[1]);
    for (std::string const& file : budget.unreadable)
        std::fprintf(stderr, "bench-scene: %s does not load\n", file.c_str());
    std::printf("triangles=%ld\ndraw_calls=%d\n", budget.triangles, budget.drawCalls);
    return budget.unreadable.empty() ? 0 : 1;
}
