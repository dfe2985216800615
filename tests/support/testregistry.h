#pragma once
// The test classes of one area are one program (tests/CMakeLists.txt), built
// as one compilation: the Qt headers are parsed once per area instead of once
// per class. CTest still runs each class alone, in a process of its own:
// `tst_<area> <name>`, the name being the file's without "tst_".
//
// Every test file is compiled with this header first. It keeps the QtTest
// macros the files end with (QTEST_MAIN, QTEST_GUILESS_MAIN,
// QTEST_APPLESS_MAIN): what they would put in main() (the application
// object, initMain, the source path) goes into a function that the area's
// main() (testmain.cpp) calls for the class named on the command line.
#include <QTest>

#include <map>
#include <string>

namespace TestRegistry {

using Run = int (*)(int argc, char *argv[]);

// The registered classes by name.
inline std::map<std::string, Run> &tests()
{
    static std::map<std::string, Run> byName;
    return byName;
}

// "tests/e2e/tst_read.cpp" registers as "read".
inline bool add(const char *file, Run run)
{
    std::string name = file;
    name = name.substr(name.find_last_of('/') + 1);
    name = name.substr(0, name.find('.'));
    if (name.rfind("tst_", 0) == 0)
        name = name.substr(4);
    tests()[name] = run;
    return true;
}

} // namespace TestRegistry

#undef QTEST_MAIN_WRAPPER
#define QTEST_MAIN_WRAPPER(TestObject, ...)                                                        \
    static int velomiRun##TestObject(int argc, char *argv[])                                       \
    {                                                                                              \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                         \
        __VA_ARGS__                                                                                \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }                                                                                              \
    static const bool velomiRegistered##TestObject                                                 \
        = TestRegistry::add(__FILE__, velomiRun##TestObject);
