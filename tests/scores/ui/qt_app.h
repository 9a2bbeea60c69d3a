#pragma once
// One QApplication for the whole test program, made on first use.

#include <QApplication>

inline void EnsureQtApplication() {
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "torvane_ui_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}
