// The wizard's own boxes (messages, the progress window, the link-error
// picture) belong to the window they appear over: the window system learns
// that the box is that window's transient (so a compositor places it there,
// keeps it above and never hides it behind a click on the wizard), and the
// box starts centred on the wizard, wherever the wizard was moved.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of that size goes to be centred on owner, kept inside the
// screen's available area where it fits (a wizard moved to an edge does not
// push its box off the screen). An empty screen area means no limit.
QPoint CentredOn(const QRect& owner, const QSize& window, const QRect& screen);

// The window a new top-level box belongs to: the modal window in front, else
// the active window, else the one visible top-level window that is not a
// tool or popup; null when there is none (the wizard's own main window).
QWidget* OwnerWindowFor(const QWidget& window);

// Makes window the transient of its owner, centres it on it and brings it
// back above the owner whenever the owner is activated while window shows.
// Call it before window is shown; nothing happens without an owner. The
// owner, or null.
QWidget* KeepWithOwner(QWidget& window);

// Gives the keyboard back to owner once its box has closed, as a window
// manager does for a transient; nothing for a null or hidden owner. Where no
// window manager runs, the window system would otherwise leave the focus on
// nothing and keys would reach no window.
void ReturnFocusTo(QWidget* owner);
