// The drawings the pictures are made of: router, modem, computer, cables and
// the small marks (power, step number, warning, round signs, waves). Each
// draws into the rectangle it is given so pictures only lay things out.
#pragma once

#include "style.h"

#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace skin_gen {

enum class RouterPorts { None, Wan, AnyLan, Lan1 };
enum class RouterLights { Off, PowerOnly, All };

// The back of the router, ports facing the viewer: antennas, power socket,
// WAN (blue) and LAN1-LAN4 (amber) sockets under their labels. Returns the
// socket rectangles, WAN first. `marked` puts a soft halo behind ports.
// `labelled` false leaves the port names out for small drawings.
QList<QRectF> DrawRouterBack(QPainter& p, const QRectF& body, RouterPorts marked, bool labelled = true);

// The front of the router with its row of lights.
void DrawRouterFront(QPainter& p, const QRectF& body, RouterLights lights);

// A modem box; returns its Ethernet socket.
QRectF DrawModem(QPainter& p, const QRectF& body, bool poweredOn);

// A desktop computer (screen and tower); returns the tower's network socket.
QRectF DrawComputer(QPainter& p, const QRectF& area);

// Plugs in both sockets joined by a cable that hangs below them.
void DrawCable(QPainter& p, const QRectF& from, const QRectF& to, const QColor& colour, qreal sag);

void DrawPowerGlyph(QPainter& p, const QPointF& centre, qreal radius, const QColor& ink, qreal width);
// A round badge with the power glyph: green when on, red when off.
void DrawPowerBadge(QPainter& p, const QPointF& centre, qreal radius, bool on);
// A round blue badge holding a step number.
void DrawNumberBadge(QPainter& p, const QPointF& centre, qreal radius, int number);
// Wireless waves opening upwards from `origin`.
void DrawWaves(QPainter& p, const QPointF& origin, qreal radius, int count, const QColor& ink, qreal width);

// Amber triangle with an exclamation mark.
void DrawWarningMark(QPainter& p, const QRectF& box);
enum class RoundGlyph { Question, Information, Check };
// A filled circle holding a white glyph.
void DrawRoundMark(QPainter& p, const QRectF& box, const QColor& colour, RoundGlyph glyph);

// The outline of an arrow mouse pointer with its tip at `tip`; 1.0 is the
// size of a 32 x 32 cursor.
QPainterPath ArrowPointer(const QPointF& tip, qreal scale);
// The pointer filled white with a dark edge.
void DrawArrowPointer(QPainter& p, const QPointF& tip, qreal scale);

// The program's mark: a router with antennas and waves in `ink`, its three
// lights in `lights`.
void DrawRouterGlyph(QPainter& p, const QRectF& box, const QColor& ink, const QColor& lights);

// A device name centred under a drawing.
void DrawCaption(QPainter& p, const QRectF& area, const QString& text, Lang lang, int pixelSize,
                 const QColor& ink = colour::kInkSoft, bool bold = false);

}  // namespace skin_gen
