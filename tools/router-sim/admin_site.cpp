#include "admin_site.h"

#include "admin_pages.h"
#include "basic_auth.h"
#include "http_reply.h"

namespace routersim {
namespace {

constexpr const char* kWizardHandle = "/goform/WizardHandle";
constexpr const char* kSysStatusHandle = "/goform/SysStatusHandle";
constexpr const char* kWirelessBasic = "/goform/wirelessBasic";
constexpr const char* kApSecurity = "/goform/APSecurity";
constexpr const char* kMacClone = "/goform/AdvSetMacClone";

SiteReply framed(int status, std::string_view reason, std::string_view body, const ReplyStyle& style,
                 std::string_view extraHeaders = {}) {
    return {formatReply(status, reason, body, {style.keepAlive, false}, extraHeaders)};
}

SiteReply unauthorized(bool http10, const ReplyStyle& style) {
    return {formatReply(401, "Unauthorized", unauthorizedPage(), {style.keepAlive, http10},
                        "WWW-Authenticate: Basic realm=\"Wireless Router\"\r\n")};
}

}  // namespace

AdminSite::AdminSite(const Options& options)
    : expectedCredentials_(basicCredentials(options.user, options.password)),
      lanAddress_(options.address),
      detectedMode_(options.detectedMode) {}

SiteReply AdminSite::handle(const SiteRequest& request, RouterModel& model,
                            RouterModel::Clock::time_point now, const ReplyStyle& style) const {
    if (style.http10Unauthorized) return unauthorized(true, style);
    if (!authorises(request.authorization, expectedCredentials_)) return unauthorized(false, style);

    const std::size_t query = request.target.find('?');
    const std::string path = request.target.substr(0, query);
    if (path == "/goform/WizardModeSel") return {std::string(1, detectedMode_), false};
    if (path.starts_with("/goform/")) {
        // Handlers take their fields from the body of a post, or from the query of a fetch.
        const std::string rawForm = request.method == "POST"     ? request.body
                                    : query == std::string::npos ? std::string()
                                                                 : request.target.substr(query + 1);
        return form(path, rawForm, model, now, style);
    }
    return page(path, model.snapshot(now), style);
}

SiteReply AdminSite::page(const std::string& path, const RouterState& state, const ReplyStyle& style) const {
    std::string body;
    if (path == "/" || path == "/main.html" || path == "/index.html") {
        body = mainPage(state);
    } else if (path == "/system_status.asp") {
        body = systemStatusPage(state, lanAddress_);
    } else if (path == "/mac_clone.asp") {
        body = macClonePage(state);
    } else {
        return framed(404, "Not Found", notFoundPage(path), style);
    }
    if (style.pageSize > 0) body = padPage(std::move(body), style.pageSize);
    return framed(200, "OK", body, style);
}

SiteReply AdminSite::form(const std::string& path, const std::string& rawForm, RouterModel& model,
                          RouterModel::Clock::time_point now, const ReplyStyle& style) const {
    const FormFields fields = decodeForm(rawForm);
    bool restart = false;
    std::string next;
    if (path == kWizardHandle) {
        model.applyWanSettings(fields, now);
        next = "wizard.asp";
    } else if (path == kSysStatusHandle) {
        if (const auto cmd = fields.find("CMD"); cmd != fields.end() && cmd->second == "WAN_CON") {
            model.requestConnect(now);
        }
        next = "system_status.asp";
    } else if (path == kWirelessBasic) {
        model.applyWirelessBasic(fields);
        next = "wireless_basic.asp";
    } else if (path == kApSecurity) {
        model.applySecurity(fields);
        next = "wireless_security.asp";
    } else if (path == kMacClone) {
        restart = model.applyMacClone(fields);
        next = "mac_clone.asp";
    } else {
        return framed(404, "Not Found", notFoundPage(path), style);
    }
    model.rememberForm(path, fields, rawForm);
    if (const auto go = fields.find("GO"); go != fields.end() && !go->second.empty()) next = go->second;
    SiteReply reply = framed(200, "OK", redirectPage(next), style);
    reply.restart = restart;
    return reply;
}

}  // namespace routersim
