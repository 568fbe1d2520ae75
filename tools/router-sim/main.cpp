// router-sim: the simulated router as a program, for demos and whole-wizard
// runs. Serves until SIGINT or SIGTERM.
#include <getopt.h>
#include <signal.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "router_sim.h"

namespace {

constexpr const char* kUsage =
    "Usage: router-sim [options]\n"
    "  --address A         listen address, inside 127.0.0.0/8 (default 127.0.0.1)\n"
    "  --port N            listen port, 0 for any free one (default 80)\n"
    "  --user U            administration user (default admin)\n"
    "  --password P        administration password (default kvmzt)\n"
    "  --detect C          what the mode detection answers: 1-4, or any non-digit character (default 3)\n"
    "  --isp-user U        PPPoE/PPTP/L2TP account the ISP accepts (default isp-user)\n"
    "  --isp-password P    its password (default isp-pass)\n"
    "  --link-delay-ms N   WAN link comes up this long after a connect (default 1500)\n"
    "  --restart-ms N      nothing listens for this long after a restart (default 3000)\n"
    "  --fault NAME        none silent reset drip drip-forever keep-alive huge garbage http10-401\n"
    "  --drip-ms N         pause between dripped bytes (default 50)\n"
    "  --huge-size N       bytes of the huge page (default 16777216)\n"
    "  --help              this text\n";

template <typename Number>
bool parseNumber(std::string_view text, Number& out) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    out = value;
    return true;
}

bool parseMilliseconds(std::string_view text, std::chrono::milliseconds& out) {
    unsigned long value = 0;
    if (!parseNumber(text, value)) return false;
    out = std::chrono::milliseconds(value);
    return true;
}

bool parseDetectedMode(std::string_view text, char& out) {
    if (text.size() != 1) return false;
    const char c = text[0];
    if (c >= '0' && c <= '9' && (c < '1' || c > '4')) return false;
    out = c;
    return true;
}

enum OptionId {
    kAddress = 1,
    kPort,
    kUser,
    kPassword,
    kDetect,
    kIspUser,
    kIspPassword,
    kLinkDelay,
    kRestart,
    kFault,
    kDrip,
    kHuge,
    kHelp
};

// Returns -1 to go on, otherwise the exit status.
int parseArguments(int argc, char** argv, routersim::Options& options) {
    static const option longOptions[] = {{"address", required_argument, nullptr, kAddress},
                                         {"port", required_argument, nullptr, kPort},
                                         {"user", required_argument, nullptr, kUser},
                                         {"password", required_argument, nullptr, kPassword},
                                         {"detect", required_argument, nullptr, kDetect},
                                         {"isp-user", required_argument, nullptr, kIspUser},
                                         {"isp-password", required_argument, nullptr, kIspPassword},
                                         {"link-delay-ms", required_argument, nullptr, kLinkDelay},
                                         {"restart-ms", required_argument, nullptr, kRestart},
                                         {"fault", required_argument, nullptr, kFault},
                                         {"drip-ms", required_argument, nullptr, kDrip},
                                         {"huge-size", required_argument, nullptr, kHuge},
                                         {"help", no_argument, nullptr, kHelp},
                                         {nullptr, 0, nullptr, 0}};
    int id = 0;
    while ((id = getopt_long(argc, argv, "", longOptions, nullptr)) != -1) {
        const std::string_view value = optarg ? optarg : "";
        bool ok = true;
        switch (id) {
            case kAddress:
                options.address = value;
                break;
            case kPort:
                ok = parseNumber<uint16_t>(value, options.port);
                break;
            case kUser:
                options.user = value;
                break;
            case kPassword:
                options.password = value;
                break;
            case kDetect:
                ok = parseDetectedMode(value, options.detectedMode);
                break;
            case kIspUser:
                options.ispUser = value;
                break;
            case kIspPassword:
                options.ispPassword = value;
                break;
            case kLinkDelay:
                ok = parseMilliseconds(value, options.linkDelay);
                break;
            case kRestart:
                ok = parseMilliseconds(value, options.restartTime);
                break;
            case kFault:
                ok = routersim::parseFault(value, options.fault);
                break;
            case kDrip:
                ok = parseMilliseconds(value, options.dripInterval);
                break;
            case kHuge:
                ok = parseNumber(value, options.hugeSize);
                break;
            case kHelp:
                std::fputs(kUsage, stdout);
                return EXIT_SUCCESS;
            default:
                std::fputs(kUsage, stderr);
                return 2;
        }
        if (!ok) {
            const option* named = longOptions;
            while (named->val != id) ++named;
            std::fprintf(stderr, "router-sim: bad value for --%s: %s\n", named->name, optarg);
            return 2;
        }
    }
    if (optind < argc) {
        std::fprintf(stderr, "router-sim: unexpected argument %s\n", argv[optind]);
        return 2;
    }
    if (!routersim::isLoopbackAddress(options.address)) {
        std::fprintf(stderr, "router-sim: refusing to listen on %s: only 127.0.0.0/8 is allowed\n",
                     options.address.c_str());
        return 2;
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    routersim::Options options;
    if (const int status = parseArguments(argc, argv, options); status >= 0) return status;

    // Blocked before the server thread starts, so only sigwait below sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    routersim::RouterSim router(options);
    if (!router.start()) {
        std::fprintf(stderr, "router-sim: cannot listen on %s:%u\n", options.address.c_str(), options.port);
        return 1;
    }
    std::printf("router-sim listening on %s:%u\n", options.address.c_str(), router.port());
    std::fflush(stdout);

    int received = 0;
    sigwait(&stopSignals, &received);
    router.stop();
    return EXIT_SUCCESS;
}
