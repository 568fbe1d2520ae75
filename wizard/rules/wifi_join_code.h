// What a phone's camera joins the new wireless network with: the de-facto
// "WIFI:" text (first written down for the ZXing barcode reader and read by
// the cameras of both phone systems), built from the records the wizard saved.
#pragma once

#include <QString>

#include "dll_object.h"

// WIFI:T:<WPA|WEP|nopass>;S:<ssid>;P:<key>;H:<true|false>;;
QString WifiJoinText(const WirelessParams& wireless, const SecurityParams& security);

// The form's special characters (\ ; , : ") behind a backslash.
QString EscapeWifiField(const QString& field);
