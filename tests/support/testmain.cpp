// main() of every test area's program: runs the test class named first on
// the command line with the QtTest options that follow (testregistry.h).
#include <cstdio>

#include "testregistry.h"

int main(int argc, char *argv[])
{
    const auto &tests = TestRegistry::tests();
    const auto test = argc > 1 ? tests.find(argv[1]) : tests.end();
    if (test == tests.end()) {
        std::fprintf(stderr, "usage: %s TEST [QtTest options]\ntests:", argv[0]);
        for (const auto &entry : tests)
            std::fprintf(stderr, " %s", entry.first.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    // QtTest sees the program's name and the options after the test's.
    argv[1] = argv[0];
    return test->second(argc - 1, argv + 1);
}
