// A QR code's modules for some bytes, through libqrencode: byte mode (the
// text goes as UTF-8, which phone cameras read), error correction level M.
#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

struct QrModules {
    int size = 0;            // modules per side, without the quiet zone
    std::vector<bool> dark;  // row by row, size * size

    bool IsDark(int x, int y) const { return dark[static_cast<std::size_t>(y * size + x)]; }
};

// Nothing when the bytes do not fit a QR code (or the encoder fails).
std::optional<QrModules> EncodeQr(const QByteArray& bytes);

// The code as text for a terminal, two rows of modules per line drawn with
// half blocks and a quiet zone of two modules. Light modules are drawn in
// the terminal's text colour, so on the usual dark terminal the code reads
// dark on light, as a camera expects.
QByteArray QrAsTerminalText(const QrModules& code);
