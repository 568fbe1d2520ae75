#include "no_address_causes.h"

#include "setup_steps.h"
#include "setup_tasks.h"
#include "validation.h"

std::vector<NoAddressCause> LikelyNoAddressCauses(const NoAddressFindings& findings) {
    std::vector<NoAddressCause> causes;
    if (findings.accountRefused) {
        causes.push_back(NoAddressCause::AccountRefused);
    }
    if (!findings.typeDetected) {
        causes.push_back(NoAddressCause::NoLinkDetected);
    }
    if (!findings.saveConfirmed) {
        causes.push_back(NoAddressCause::SaveUnconfirmed);
    }
    if (findings.gatewayOutsideSubnet) {
        causes.push_back(NoAddressCause::GatewayOutsideSubnet);
    }
    if (!findings.statusAnswered) {
        causes.push_back(NoAddressCause::NoStatusAnswer);
    } else if (causes.empty()) {
        causes.push_back(NoAddressCause::NoProviderAddress);
    }
    return causes;
}

void NoteTaskResult(NoAddressFindings& findings, int task, int result) {
    switch (task) {
        case TASK_AUTO:
            findings.typeDetected = ReadDetectionResult(result).has_value();
            break;
        case TASK_CHECK:
            findings.accountRefused = result != 1;
            break;
        case TASK_SAVE:
            findings.saveConfirmed = ReadSaveResult(result) == SaveOutcome::Confirmed;
            break;
        default:
            break;
    }
}

bool GatewayOutsideSubnet(const std::string& address, const std::string& mask, const std::string& gateway) {
    if (address.empty() || mask.empty() || gateway.empty()) {
        return false;
    }
    const AddressValue bits = ParseRouterLanAddress(mask);
    return (ParseRouterLanAddress(address) & bits) != (ParseRouterLanAddress(gateway) & bits);
}
