#include "admin_pages.h"

namespace routersim {
namespace {

// Stored values come from forms: escaped, a quote in an SSID cannot end a
// script string or an attribute early.
std::string htmlSafe(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "&quot;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            case '\\':
                out += "&#92;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The router's pages write some keys as `name = "…"` and others as `name="…"`;
// the library's patterns depend on exactly which.
enum class Equals { Tight, Spaced };

std::string scriptVariable(std::string_view name, std::string_view value, Equals equals = Equals::Tight) {
    return "var " + std::string(name) + (equals == Equals::Spaced ? " = \"" : "=\"") + htmlSafe(value) +
           "\";\n";
}

std::string pageHead(std::string_view title) {
    return R"html(<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8">
<meta http-equiv="Pragma" content="no-cache">
<link rel="stylesheet" href="css/screen.css" type="text/css">
<title>)html" +
           std::string(title) + "</title>\n";
}

const char* connectionTypeName(int index) {
    switch (index) {
        case kWanStatic:
            return "Static IP";
        case kWanDynamic:
            return "Dynamic IP";
        case kWanPppoe:
            return "PPPoE";
        case kWanL2tp:
            return "L2TP";
        case kWanPptp:
            return "PPTP";
        default:
            return "Unknown";
    }
}

constexpr const char* kIspDns = "203.0.113.53";

constexpr const char* kMainBody = R"html(</head>
<body>
<div id="banner"><h1>Wireless Router</h1></div>
<table id="menu" width="180">
<tr><td><a href="system_status.asp" target="content">System Status</a></td></tr>
<tr><td><a href="wizard.asp" target="content">Setup Wizard</a></td></tr>
<tr><td><a href="wireless_basic.asp" target="content">Wireless Settings</a></td></tr>
<tr><td><a href="wireless_security.asp" target="content">Wireless Security</a></td></tr>
<tr><td><a href="mac_clone.asp" target="content">MAC Address Clone</a></td></tr>
</table>
<iframe name="content" src="system_status.asp" width="600" height="480"></iframe>
)html";

constexpr const char* kStatusScript = R"html(var linkStates = ["Disconnected", "Connecting", "Connected"];
var linkTypes = ["", "Static IP", "Dynamic IP", "PPPoE", "L2TP", "PPTP", "802.1x"];
function show(id, text) { document.getElementById(id).innerHTML = text; }
function init() {
  show("linkState", linkStates[Number(cableDSL)] || "Disconnected");
  show("linkType", linkTypes[Number(conTypeIdx)] || "");
  show("wanAddr", wanIP); show("wanMask", subMask); show("wanGw", gateWay);
  show("dns", dns1 + " " + dns2); show("wanMac", wan_mac); show("lanAddr", lanAddr);
}
function connectWan() { document.frmSetup.CMD.value = "WAN_CON"; document.frmSetup.submit(); }
</script>
</head>
<body onload="init()">
<form name="frmSetup" method="post" action="/goform/SysStatusHandle">
<input type="hidden" name="CMD" value="">
<input type="hidden" name="GO" value="system_status.asp">
<input type="hidden" name="action" value="1">
<table class="status">
<tr><th colspan="2">WAN</th></tr>
<tr><td>Connection status</td><td id="linkState"></td></tr>
<tr><td>Connection type</td><td id="linkType"></td></tr>
<tr><td>IP address</td><td id="wanAddr"></td></tr>
<tr><td>Subnet mask</td><td id="wanMask"></td></tr>
<tr><td>Default gateway</td><td id="wanGw"></td></tr>
<tr><td>DNS servers</td><td id="dns"></td></tr>
<tr><td>MAC address</td><td id="wanMac"></td></tr>
<tr><th colspan="2">LAN</th></tr>
<tr><td>IP address</td><td id="lanAddr"></td></tr>
</table>
<input type="button" value="Connect" onclick="connectWan()">
</form>
</body>
</html>
)html";

constexpr const char* kMacCloneScript = R"html(function setMac(mac) { document.frmSetup.WMAC.value = mac; }
function init() { setMac(def_MAC); }
</script>
</head>
<body onload="init()">
<form name="frmSetup" method="post" action="/goform/AdvSetMacClone">
<input type="hidden" name="GO" value="mac_clone.asp">
<input type="hidden" name="rebootTag" value="1">
<input type="hidden" name="cloneEn" value="1">
<table class="setting">
<tr><td>MAC address</td><td><input name="WMAC" size="17" maxlength="17"></td></tr>
<tr><td colspan="2">
<input type="button" value="Restore Default MAC" onclick="setMac(fac_MAC)">
<input type="button" value="Clone MAC" onclick="setMac(cln_MAC)">
</td></tr>
</table>
<input type="submit" value="Save">
</form>
</body>
</html>
)html";

}  // namespace

std::string mainPage(const RouterState& state) {
    return pageHead("Wireless Router Administration") + kMainBody +
           "<div id=\"summary\">\n<p>Internet connection: " + connectionTypeName(state.wanType) +
           "</p>\n<p>Wireless network: " + htmlSafe(state.wireless.ssid) + "</p>\n</div>\n</body>\n</html>\n";
}

std::string systemStatusPage(const RouterState& state, std::string_view lanAddress) {
    std::string dns1, dns2;
    if (state.linkUp) {
        dns1 = state.wanType == kWanStatic ? state.staticIp.dns1 : kIspDns;
        dns2 = state.wanType == kWanStatic ? state.staticIp.dns2 : "";
    }
    return pageHead("System Status") + "<script type=\"text/javascript\">\n" +
           scriptVariable("cableDSL", state.cableDSL) +
           scriptVariable("conTypeIdx", std::to_string(state.connectionTypeIndex)) +
           scriptVariable("wanIP", state.wanIp, Equals::Spaced) + scriptVariable("subMask", state.wanMask) +
           scriptVariable("gateWay", state.wanGateway) + scriptVariable("dns1", dns1) +
           scriptVariable("dns2", dns2) + scriptVariable("wan_mac", state.wanMac) +
           scriptVariable("lanAddr", lanAddress) + kStatusScript;
}

std::string macClonePage(const RouterState& state) {
    return pageHead("MAC Address Clone") + "<script type=\"text/javascript\">\n" +
           scriptVariable("fac_MAC", state.factoryMac, Equals::Spaced) +
           scriptVariable("def_MAC", state.defaultMac, Equals::Spaced) +
           scriptVariable("cln_MAC", state.cloneMac, Equals::Spaced) + kMacCloneScript;
}

std::string redirectPage(std::string_view target) {
    while (!target.empty() && target.front() == '/') target.remove_prefix(1);
    const std::string safe = htmlSafe(target);
    return "<html><head><meta http-equiv=\"refresh\" content=\"0; url=/" + safe +
           "\"></head>\n<body><a href=\"/" + safe + "\">Continue</a></body></html>\n";
}

std::string unauthorizedPage() {
    return "<html><head><title>401 Unauthorized</title></head>\n<body><h2>Access Error: Unauthorized</h2>"
           "<p>Access to this document requires a User ID</p></body></html>\n";
}

std::string notFoundPage(std::string_view path) {
    return "<html><head><title>404 Not Found</title></head>\n<body><h2>Access Error: Page Not Found</h2>"
           "<p>Cannot open URL " +
           htmlSafe(path) + "</p></body></html>\n";
}

std::string badRequestPage() {
    return "<html><head><title>400 Bad Request</title></head>\n<body><h2>Bad Request</h2></body></html>\n";
}

}  // namespace routersim
