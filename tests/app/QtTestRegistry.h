#pragma once

// The interface tests are one program: each test class registers itself
// under its name, and the program runs the class named by its first
// argument, as its own program would (one CTest test per class). Linking the
// desktop once instead of once per class keeps the build short.

#include <QtTest>

using QtTestRun = int (*)(int argc, char** argv);

struct QtTestRegistration {
    QtTestRegistration(const char* name, QtTestRun run);
};

// In place of QTEST_MAIN(TestClass).
#define UMBRANT_QTEST(TestClass)                                                                                      \
    namespace {                                                                                                       \
    const QtTestRegistration registration##TestClass(#TestClass, [](int argc, char** argv) {                          \
        TestClass test;                                                                                               \
        return QTest::qExec(&test, argc, argv);                                                                       \
    });                                                                                                               \
    }
