#include "wifi_join_code.h"

#include "validation.h"

QString EscapeWifiField(const QString& field) {
    QString escaped;
    escaped.reserve(field.size());
    for (const QChar c : field) {
        if (c == u'\\' || c == u';' || c == u',' || c == u':' || c == u'"') {
            escaped += u'\\';
        }
        escaped += c;
    }
    return escaped;
}

QString WifiJoinText(const WirelessParams& wireless, const SecurityParams& security) {
    QString type = QStringLiteral("nopass");
    std::string key;
    if (security.mode == kSecurityWep) {
        // A WEP key of 10 or 26 hexadecimal digits is read as hex, one of 5
        // or 13 characters as text: the lengths never overlap.
        type = QStringLiteral("WEP");
        key = security.wepKey;
    } else if (security.mode == kSecurityWpa || security.mode == kSecurityWpa2) {
        type = QStringLiteral("WPA");
        key = security.passphrase;
    }
    // The records hold UTF-8, as they go to the router.
    return QStringLiteral("WIFI:T:%1;S:%2;P:%3;H:%4;;")
        .arg(type, EscapeWifiField(QString::fromStdString(wireless.ssid)),
             EscapeWifiField(QString::fromStdString(key)),
             wireless.broadcastSsid ? QStringLiteral("false") : QStringLiteral("true"));
}
