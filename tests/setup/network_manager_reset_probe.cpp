// Runs the adapter reset once against the bus named on the command line, for
// Ethernet and veth adapters, and prints its log and its outcome: the tests
// against the real NetworkManager run it as a user without privileges.
#include <QCoreApplication>

#include <cstdio>

#include "network_manager_reset.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s BUS-ADDRESS\n", argv[0]);
        return 2;
    }
    NetworkManagerResetOptions options;
    options.busAddress = QString::fromLocal8Bit(argv[1]);
    options.deviceTypes = {kDeviceTypeEthernet, kDeviceTypeVeth};
    options.log = [](const QString& line) { std::printf("%s\n", line.toLocal8Bit().constData()); };
    const NetworkManagerResetOutcome outcome = ResetWiredProfilesToDhcp(options);
    std::printf("switched=%d without-address=%d failed=%d skipped=%lld\n", outcome.switchedToDhcp,
                outcome.switchedWithoutAddress, outcome.failed,
                static_cast<long long>(outcome.skipped.size()));
    return 0;
}
