#include "driver_texts.h"

#include <array>
#include <utility>

namespace {

struct Sentence {
    DriverText text;
    const char16_t* english;
    const char16_t* chinese;
};

// In table order of the enum, so a lookup is an index; the check below keeps
// the two in step.
constexpr std::array kSentences{
    Sentence{DriverText::RouterLine, u"Router %1:%2, login %3, library %4, language file %5",
             u"路由器 %1:%2，登录用户 %3，程序库 %4，语言文件 %5"},
    Sentence{DriverText::Connected, u"Connected to the router (factory MAC %1, current MAC %2)",
             u"已连接到路由器（出厂 MAC %1，当前 MAC %2）"},
    Sentence{
        DriverText::LoginRefused,
        u"The router at %1 refused the login \"%2\": give its login with --router-user and "
        u"--router-password",
        u"%1 处的路由器拒绝了登录用户“%2”：请用 --router-user 和 --router-password 给出路由器的登录信息"},
    Sentence{DriverText::NoAnswer, u"The router at %1 did not answer", u"%1 处的路由器没有应答"},
    Sentence{DriverText::RouterFound,
             u"Router found at %1 instead of %2 (setting.ini's LAN IP, left as it is); this run uses %1",
             u"在 %1 找到了路由器，而不是 %2（setting.ini 的 LAN IP，未修改）；本次运行使用 %1"},
    Sentence{DriverText::NoCable,
             u"No wired adapter has a link: plug the PC's cable into one of the router's LAN ports and "
             u"switch the router on",
             u"没有一块有线网卡有连接信号：请将电脑的网线插入路由器的任一 LAN 口，并打开路由器电源"},
    Sentence{DriverText::NoWanType, u"No connection type was detected: give one with --type",
             u"未检测到上网方式：请用 --type 指定"},
    Sentence{DriverText::ChosenSettings, u"Connection %1, wireless network \"%2\", WAN MAC %3",
             u"上网方式 %1，无线网络“%2”，WAN 口 MAC %3"},
    Sentence{DriverText::ChosenSecurity, u"wireless security %1, key \"%2\"", u"无线安全 %1，密钥“%2”"},
    Sentence{DriverText::NoSecurity, u"no wireless security (an open network)",
             u"无线网络不加密（开放网络）"},
    Sentence{DriverText::TypeOverridden, u"--type %1 is used instead of the detected %2",
             u"按 --type 使用 %1，而不是检测到的 %2"},
    Sentence{DriverText::AdaptersLeftAlone,
             u"The PC's network adapters are left alone (--reset-adapters switches them to DHCP first)",
             u"本机网络适配器保持不变（--reset-adapters 会先把它们切换为自动获取地址）"},
    Sentence{DriverText::AdaptersReset,
             u"Switching the PC's wired adapters to DHCP through NetworkManager on %1",
             u"正在通过 %1 上的 NetworkManager 把本机有线适配器切换为自动获取地址"},
    Sentence{DriverText::SystemBus, u"the system bus", u"系统总线"},
    Sentence{DriverText::AccountRefusedStop,
             u"The provider did not accept the account, so nothing was saved. Check --account and "
             u"--account-password, or give --save-anyway to save all the same.",
             u"网络服务商不接受此帐号，因此没有保存任何设置。请检查 --account 和 --account-password，"
             u"或加上 --save-anyway 仍然保存。"},
    Sentence{DriverText::AccountRefusedGoOn,
             u"The provider did not accept the account; saving all the same (--save-anyway).",
             u"网络服务商不接受此帐号；按 --save-anyway 仍然保存。"},
    Sentence{DriverText::Saved, u"The router took the settings.", u"路由器已接受设置。"},
    Sentence{DriverText::SaveUnconfirmed, u"The router did not confirm the settings.",
             u"路由器没有确认这些设置。"},
    Sentence{DriverText::Waiting, u"Waiting for the router's WAN address", u"正在等待路由器取得 WAN 口地址"},
    Sentence{DriverText::WanAddress, u"The router reports the WAN address %1.",
             u"路由器的 WAN 口地址为 %1。"},
    Sentence{DriverText::JoinCode, u"Point a phone's camera at this code to join \"%1\":",
             u"用手机相机扫描此二维码即可加入“%1”："},
    Sentence{DriverText::NoWanAddress, u"The router reports no WAN address.", u"路由器没有取得 WAN 口地址。"},
    Sentence{DriverText::CauseAccountRefused, u"The provider refused the account.",
             u"网络服务商拒绝了此帐号。"},
    Sentence{DriverText::CauseNoLinkDetected,
             u"The router found no connection on its WAN port: check the cable to the modem.",
             u"路由器的 WAN 口上没有检测到连接：请检查到调制解调器的网线。"},
    Sentence{DriverText::CauseSaveUnconfirmed, u"The router did not confirm the saved settings.",
             u"路由器没有确认保存的设置。"},
    Sentence{DriverText::CauseNoStatusAnswer, u"The router did not answer the status reads.",
             u"路由器没有回应状态查询。"},
    Sentence{DriverText::CauseNoProviderAddress,
             u"The router is set to %1 but got no address from the provider within %2 s.",
             u"路由器已设为 %1，但在 %2 秒内没有从网络服务商取得地址。"},
    Sentence{DriverText::CauseGatewayOutsideSubnet,
             u"The gateway %1 is outside the subnet of the WAN address %2 with mask %3: check --gateway and "
             u"--mask.",
             u"网关 %1 不在 WAN 口地址 %2（子网掩码 %3）的子网内：请检查 --gateway 和 --mask。"},
    Sentence{DriverText::Seconds, u"%1 s", u"%1 秒"},
    Sentence{DriverText::PageProblem, u"%1: %2", u"%1: %2"},
    Sentence{DriverText::UnknownOption, u"%1: unknown option", u"%1: 没有这个选项"},
    Sentence{DriverText::MissingValue, u"%1: needs a value", u"%1: 缺少取值"},
    Sentence{DriverText::UnexpectedArgument, u"%1: unexpected argument", u"%1: 多余的参数"},
    Sentence{DriverText::NotOneOf, u"%1: %2 is not one of %3", u"%1: %2 不是 %3 之一"},
    Sentence{DriverText::NotAnAddress, u"%1: %2 is not a valid address", u"%1: %2 不是有效的地址"},
    Sentence{DriverText::NotAMask, u"%1: %2 is not a valid subnet mask", u"%1: %2 不是有效的子网掩码"},
    Sentence{DriverText::NotAChannel, u"%1: %2 is not a channel from 0 to 13",
             u"%1: %2 不是 0 到 13 之间的信道"},
    Sentence{DriverText::NotDeviceTypes,
             u"%1: %2 is not a list of NetworkManager device type numbers (like 1,20)",
             u"%1: %2 不是 NetworkManager 设备类型编号的列表（例如 1,20）"},
    Sentence{DriverText::NotAMac, u"%1: %2 is not a valid MAC address (like 00:1A:2B:3C:4D:5E)",
             u"%1: %2 不是有效的 MAC 地址（例如 00:1A:2B:3C:4D:5E）"},
    Sentence{DriverText::NotAnSsid,
             u"%1: %2 is not a valid network name (1 to 32 letters, digits, spaces, '-' or '_')",
             u"%1: %2 不是有效的网络名称（1 到 32 个字母、数字、空格、“-”或“_”）"},
    Sentence{DriverText::NotAWepKey,
             u"%1: %2 is not a WEP key (5 or 13 letters or digits, or 10 or 26 hexadecimal digits)",
             u"%1: %2 不是 WEP 密钥（5 或 13 个字母或数字，或 10 或 26 个十六进制数字）"},
    Sentence{DriverText::NotAWpaKey, u"%1: %2 is not a WPA pass-phrase (8 to 63 letters or digits)",
             u"%1: %2 不是 WPA 密钥（8 到 63 个字母或数字）"},
    Sentence{DriverText::KeyWithoutSecurity, u"--key: %1 needs --security wep, wpa or wpa2",
             u"--key: %1 需要同时给出 --security wep、wpa 或 wpa2"},
    Sentence{DriverText::Needs, u"%1: needs %2", u"%1: 还需要 %2"},
    Sentence{DriverText::NotLoopback,
             u"%1: %2 is not on 127.0.0.0/8; this tool talks only to a simulated router",
             u"%1: %2 不在 127.0.0.0/8 内；本工具只连接模拟路由器"},
    Sentence{DriverText::HelpHint, u"(%1 --help lists the options)", u"（%1 --help 列出全部选项）"},
};

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < kSentences.size(); ++i) {
        if (static_cast<std::size_t>(kSentences[i].text) != i) return false;
    }
    return true;
}
static_assert(InEnumOrder() && kSentences.size() == static_cast<std::size_t>(DriverText::HelpHint) + 1,
              "one sentence for every DriverText, in enum order");

}  // namespace

QString DriverString(DriverText text, bool chinese) {
    const Sentence& sentence = kSentences[static_cast<std::size_t>(text)];
    return QString::fromUtf16(chinese ? sentence.chinese : sentence.english);
}

QString DriverCommandName() {
    const QString given = qEnvironmentVariable("QELVANE_DRIVER_COMMAND");
    return given.isEmpty() ? QStringLiteral("setup-driver") : given;
}
