// Real input for widget tests: the test program's QApplication runs on a
// private Xvfb server, and xdotool clicks and types there as a user does,
// through the X server, Qt's platform plugin and its focus handling. A program
// that uses this links x_input.cpp instead of widget_test_app.cpp.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

// Why real input cannot be had (no Xvfb or xdotool, the server would not
// start); empty when it can. Tests skip with this reason.
QString XInputUnavailable();

// Runs xdotool with args while the event loop runs, so the events arrive as
// they are made; true when it succeeded.
bool Xdotool(const QStringList& args);
// A left click at a point on the screen.
bool XClick(QPoint global);
// Types text key by key.
bool XType(const QString& text);
// Presses keys one after the other, by their X names ("Tab", "ctrl+v").
bool XKeys(const QStringList& keys);
