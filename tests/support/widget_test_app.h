// The one QApplication of a widget test program: widget_test_app.cpp makes it
// before the first test and destroys it after the last.
#pragma once

#include <QApplication>

inline QApplication& WidgetTestApp() {
    return *qApp;
}
