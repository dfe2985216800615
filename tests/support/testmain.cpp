// main() of every test area's program: runs the test class named first on
// the command line with the QtTest options that follow (testregistry.h).
#include <QTemporaryDir>
#include <cstdio>

#include "testregistry.h"
#include "testsettings.h"

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
    // Settings of this program alone: never the user's, and no choice made by
    // a test program running at the same time.
    const QTemporaryDir settings;
    const QString refused = keepSettingsIn(settings.path());
    if (!refused.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(refused));
        return 2;
    }
    // QtTest sees the program's name and the options after the test's.
    argv[1] = argv[0];
    return test->second(argc - 1, argv + 1);
}
