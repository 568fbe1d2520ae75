// For tests that open modal windows (message boxes, progress windows): act on
// the next modal window once its event loop runs, and collect what came up.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

// Runs action on the next modal window once exec has started its loop; fails
// the test when none comes up within about two seconds.
inline void WhenModalShows(std::function<void(QWidget*)> action, int triesLeft = 200) {
    QTimer::singleShot(10, [action, triesLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr && triesLeft > 0) {
            WhenModalShows(action, triesLeft - 1);
            return;
        }
        ASSERT_NE(modal, nullptr) << "no modal window came up";
        action(modal);
    });
}
