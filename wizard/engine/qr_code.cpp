#include "qr_code.h"

#include <qrencode.h>

#include <memory>

std::optional<QrModules> EncodeQr(const QByteArray& bytes) {
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> encoded(
        QRcode_encodeData(static_cast<int>(bytes.size()),
                          reinterpret_cast<const unsigned char*>(bytes.constData()), 0, QR_ECLEVEL_M),
        &QRcode_free);
    if (!encoded) {
        return std::nullopt;
    }
    QrModules code;
    code.size = encoded->width;
    code.dark.resize(static_cast<std::size_t>(code.size) * static_cast<std::size_t>(code.size));
    for (std::size_t i = 0; i < code.dark.size(); ++i) {
        code.dark[i] = (encoded->data[i] & 1) != 0;  // bit 0: the module is dark
    }
    return code;
}

QByteArray QrAsTerminalText(const QrModules& code) {
    constexpr int kQuiet = 2;
    const auto light = [&code](int x, int y) {
        return x < 0 || y < 0 || x >= code.size || y >= code.size || !code.IsDark(x, y);
    };
    QByteArray text;
    for (int y = -kQuiet; y < code.size + kQuiet; y += 2) {
        for (int x = -kQuiet; x < code.size + kQuiet; ++x) {
            const bool top = light(x, y);
            const bool bottom = light(x, y + 1);
            text += top && bottom ? "\u2588" : top ? "\u2580" : bottom ? "\u2584" : " ";
        }
        text += '\n';
    }
    return text;
}
