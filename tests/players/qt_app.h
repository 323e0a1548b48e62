#pragma once

#include <QApplication>

namespace slyders::test {

// The one application object the widget tests need, made on first use.
inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "players_ui_test";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

}  // namespace slyders::test
