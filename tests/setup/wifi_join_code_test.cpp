// The join code a phone reads: its text for every kind of network, and the
// code itself read back by a decoder nobody here wrote (zbar).
#include "qr_code.h"
#include "wifi_join_code.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "validation.h"

namespace {

WirelessParams Network(const std::string& ssid, bool broadcast = true) {
    WirelessParams wireless;
    wireless.ssid = ssid;
    wireless.broadcastSsid = broadcast;
    return wireless;
}

SecurityParams Secured(int mode, const std::string& key) {
    SecurityParams security;
    security.mode = mode;
    (mode == kSecurityWep ? security.wepKey : security.passphrase) = key;
    return security;
}

// What zbarimg reads from the code drawn at 4 pixels a module with a quiet
// zone of 4; empty when it reads nothing.
QString Decoded(const QrModules& code, const QString& directory) {
    constexpr int kScale = 4;
    constexpr int kQuiet = 4;
    const int side = (code.size + 2 * kQuiet) * kScale;
    QImage image(side, side, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    for (int y = 0; y < code.size; ++y) {
        for (int x = 0; x < code.size; ++x) {
            if (!code.IsDark(x, y)) continue;
            for (int dy = 0; dy < kScale; ++dy) {
                for (int dx = 0; dx < kScale; ++dx) {
                    image.setPixel((x + kQuiet) * kScale + dx, (y + kQuiet) * kScale + dy, 0);
                }
            }
        }
    }
    const QString path = directory + QStringLiteral("/code.png");
    image.save(path);
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), path});
    zbar.waitForFinished(10000);
    return QString::fromUtf8(zbar.readAllStandardOutput()).chopped(1);
}

TEST(WifiJoinCode, TextEscapesTheFormsSpecialCharactersAndNamesTheKind) {
    EXPECT_EQ(WifiJoinText(Network("Home"), Secured(kSecurityWpa2, "pass word1")),
              QStringLiteral("WIFI:T:WPA;S:Home;P:pass word1;H:false;;"));
    EXPECT_EQ(WifiJoinText(Network(R"(a\b;c,d:e"f)", false), Secured(kSecurityWpa, "k;e:y,\\\"")),
              QStringLiteral(R"(WIFI:T:WPA;S:a\\b\;c\,d\:e\"f;P:k\;e\:y\,\\\";H:true;;)"));
    EXPECT_EQ(WifiJoinText(Network("Cafe"), Secured(kSecurityWep, "0A1B2C3D4E")),
              QStringLiteral("WIFI:T:WEP;S:Cafe;P:0A1B2C3D4E;H:false;;"));
    EXPECT_EQ(WifiJoinText(Network("Open"), SecurityParams{}),
              QStringLiteral("WIFI:T:nopass;S:Open;P:;H:false;;"));
}

TEST(WifiJoinCode, ADecoderReadsBackEveryKindOfNetwork) {
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty()) {
        GTEST_SKIP() << "zbarimg (Debian zbar-tools) is not installed";
    }
    QTemporaryDir directory;
    const struct {
        WirelessParams wireless;
        SecurityParams security;
    } networks[] = {
        {Network(R"(Bob's "net"; 2,4:GHz\)"), Secured(kSecurityWpa2, R"(p;a,s:s\"w0rd)")},
        {Network("\xE5\xAE\xB6\xE9\x87\x8C\xE7\x9A\x84\xE7\xBD\x91\xE7\xBB\x9C"),
         Secured(kSecurityWpa2, "QelvaneDemo2024")},
        {Network("Cafe", false), Secured(kSecurityWep, "0A1B2C3D4E5F60718293A4B5C6")},
        {Network("Guest"), SecurityParams{}},
    };
    for (const auto& network : networks) {
        const QString text = WifiJoinText(network.wireless, network.security);
        const std::optional<QrModules> code = EncodeQr(text.toUtf8());
        ASSERT_TRUE(code.has_value()) << text.toStdString();
        EXPECT_EQ(Decoded(*code, directory.path()), text);
    }
}

}  // namespace
