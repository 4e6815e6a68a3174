#pragma once

#include "testsupport.h"

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

// Every fuzz target runs the application's code as the tests do: an application object on the
// offscreen platform, with a home and configuration folder of its own. Qt is given no
// arguments; libFuzzer's are its own.
inline void startFuzzApplication() {
    TestSupport::prepareEnvironment();
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    // It lives as long as the process: libFuzzer ends the process itself.
    static auto *app = new QApplication(argc, argv);
    TestSupport::prepareApplication(*app);
}

// A broken promise ends the run as a crash, which libFuzzer keeps with the input that led to it.
#define FUZZ_REQUIRE(condition, what)                                                              \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "fuzz: %s: %s\n", #condition, QByteArray(what).constData());      \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
