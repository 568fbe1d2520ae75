// Finding adapters in ipconfig output, the netsh command lines, splitting
// command lines without a shell, and running a real child process.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "adapter_reset.h"
#include "command_line.h"
#include "console_command.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// What the Windows tool writes for two wired adapters and a wireless one.
const std::string kIpconfigOutput =
    "\r\nWindows IP Configuration\r\n\r\n\r\n"
    "Ethernet adapter Local Area Connection 2:\r\n\r\n"
    "        Connection-specific DNS Suffix  . :\r\n"
    "        IP Address. . . . . . . . . . . . : 192.168.0.100\r\n\r\n"
    "Wireless LAN adapter Wireless Network Connection:\r\n\r\n"
    "        Media State . . . . . . . . . . . : Media disconnected\r\n\r\n"
    "Ethernet adapter Local Area Connection:\r\n\r\n"
    "        Media State . . . . . . . . . . . : Media disconnected\r\n";

std::vector<std::string> FoundNames(const std::string& output) {
    CAdapterReset adapters([](const std::string&) { return std::string(); });
    const bool found = adapters.FindEthernetAdapters(output);
    std::vector<std::string> names;
    for (const auto& [number, name] : adapters.adapterNames) {
        EXPECT_EQ(number, static_cast<int>(names.size()));
        names.push_back(name);
    }
    EXPECT_EQ(found, !names.empty());
    return names;
}

TEST(FindEthernetAdaptersTest, TakesTheNamesOfEthernetHeadersInOrder) {
    EXPECT_THAT(FoundNames(kIpconfigOutput), ElementsAre("Local Area Connection 2", "Local Area Connection"));
}

TEST(FindEthernetAdaptersTest, IgnoresOtherWordingsAndHeadersAtTheStart) {
    EXPECT_THAT(FoundNames("\r\nCarte Ethernet Connexion au réseau local :\r\n"), IsEmpty());
    EXPECT_THAT(FoundNames("\r\nethernet adapter lower case:\r\n"), IsEmpty());
    EXPECT_THAT(FoundNames("Ethernet adapter First:\r\nEthernet adapter Second:\r\n"), IsEmpty());
    EXPECT_THAT(FoundNames("\nEthernet adapter First:\r\nEthernet adapter Second:\r\n"), IsEmpty());
    // The search goes on from the end of each 50-character block, so a header
    // right after a full block is at position 0 of what is left.
    const std::string fullBlock = "Ethernet adapter " + std::string(31, 'x') + ": ";
    ASSERT_EQ(fullBlock.size(), 50u);
    EXPECT_THAT(FoundNames("\r\n" + fullBlock + "Ethernet adapter Next:\r\n"),
                ElementsAre(std::string(31, 'x')));
}

TEST(FindEthernetAdaptersTest, CutsNamesAtTheEndOfTheBlock) {
    const std::string longName(40, 'n');
    EXPECT_THAT(FoundNames("\r\nEthernet adapter " + longName + ":\r\n"), ElementsAre(std::string(33, 'n')));
    // Without a colon the name runs to the end of the block, or of the text.
    EXPECT_THAT(FoundNames("\r\nEthernet adapter LAN\r\n  Media"), ElementsAre("LAN\r\n  Media"));
    // A colon right after the words: the block from position 17 to its end.
    EXPECT_THAT(FoundNames("\r\nEthernet adapter:LAN:1"), ElementsAre("LAN:1"));
}

TEST(FindEthernetAdaptersTest, SurvivesHeadersCutShortAtTheEndOfTheText) {
    for (const std::string& tail :
         std::vector<std::string>{"Ethernet adapter", "Ethernet adapter ", "Ethernet adapter:"}) {
        EXPECT_THAT(FoundNames("\r\n" + tail), IsEmpty()) << tail;
    }
    EXPECT_THAT(FoundNames("\r\nEthernet adapter L"), ElementsAre("L"));
}

TEST(ResetAdaptersToDhcpTest, RunsAddressThenDnsForEachAdapterInOrder) {
    std::vector<std::string> lines;
    CAdapterReset adapters([&](const std::string& line) {
        lines.push_back(line);
        return line == "ipconfig.exe" ? kIpconfigOutput : std::string("Ok.\r\n");
    });
    EXPECT_EQ(adapters.ResetAdaptersToDhcp(), 0);
    EXPECT_THAT(
        lines, ElementsAre("ipconfig.exe",
                           "netsh -c interface ip set address name = \"Local Area Connection 2\" source=dhcp",
                           "netsh -c interface ip set dns name = \"Local Area Connection 2\" source=dhcp",
                           "netsh -c interface ip set address name = \"Local Area Connection\" source=dhcp",
                           "netsh -c interface ip set dns name = \"Local Area Connection\" source=dhcp"));
}

TEST(ResetAdaptersToDhcpTest, RunsNothingMoreWhenIpconfigGivesNoAdapter) {
    for (const std::string& output : {std::string(), std::string("\r\nWindows IP Configuration\r\n")}) {
        std::vector<std::string> lines;
        CAdapterReset adapters([&](const std::string& line) {
            lines.push_back(line);
            return output;
        });
        EXPECT_EQ(adapters.ResetAdaptersToDhcp(), 0);
        EXPECT_THAT(lines, ElementsAre("ipconfig.exe"));
    }
}

TEST(ResetAdaptersToDhcpTest, FindsNothingWhereTheWindowsToolsDoNotExist) {
    CAdapterReset adapters;
    EXPECT_EQ(adapters.RunCommand("ipconfig.exe"), "");
    EXPECT_EQ(adapters.ResetAdaptersToDhcp(), 0);
    EXPECT_THAT(adapters.adapterNames, IsEmpty());
}

struct SplitCase {
    const char* line;
    std::vector<std::string> parts;
};

class SplitCommandLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, FollowsTheWindowsRules) {
    EXPECT_EQ(SplitCommandLine(GetParam().line), GetParam().parts);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitCommandLineTest,
    ::testing::Values(
        SplitCase{"", {}}, SplitCase{" \t ", {}}, SplitCase{"ipconfig.exe", {"ipconfig.exe"}},
        SplitCase{"netsh -c interface ip set address name = \"Local Area Connection\" source=dhcp",
                  {"netsh", "-c", "interface", "ip", "set", "address", "name", "=", "Local Area Connection",
                   "source=dhcp"}},
        SplitCase{"  a\tb   c ", {"a", "b", "c"}},
        // The program is a path: quotes group, backslashes stay.
        SplitCase{"\"C:\\Program Files\\x.exe\" a", {"C:\\Program Files\\x.exe", "a"}},
        SplitCase{"p a\\\\b \"c d\"e", {"p", "a\\\\b", "c de"}},
        SplitCase{"p a\\\"b", {"p", "a\"b"}},             // odd backslashes: literal quote
        SplitCase{"p \"a\\\\\" b", {"p", "a\\", "b"}},    // even backslashes: half, and the quote closes
        SplitCase{"p \"a\"\"b\" c", {"p", "a\"b", "c"}},  // doubled quote inside quotes
        SplitCase{"p \"\" x", {"p", "", "x"}}, SplitCase{"p \"open to the end", {"p", "open to the end"}}));

TEST(SplitCommandLineTest, KeepsShellSyntaxInAnAdapterNameAsPlainText) {
    const std::string name = "LAN; rm -rf ~ $(reboot) `id` | tee & >x";
    const std::vector<std::string> parts =
        SplitCommandLine("netsh -c interface ip set dns name = \"" + name + "\" source=dhcp");
    ASSERT_EQ(parts.size(), 10u);
    EXPECT_EQ(parts[8], name);
    EXPECT_EQ(parts[9], "source=dhcp");
}

TEST(RunConsoleCommandTest, CapturesBothStreamsInBlocksWithAPauseAfterEach) {
    std::vector<std::chrono::milliseconds> pauses;
    const std::string output = RunConsoleCommand(
        "sh -c \"head -c 5000 /dev/zero | tr '\\000' o; head -c 5000 /dev/zero | tr '\\000' e >&2\"",
        [&](std::chrono::milliseconds length) { pauses.push_back(length); });
    ASSERT_EQ(output.size(), 10000u);
    EXPECT_EQ(output.find_first_not_of("oe"), std::string::npos);
    EXPECT_EQ(std::count(output.begin(), output.end(), 'e'), 5000);
    // At least three blocks of at most 4095 bytes, each followed by 200 ms.
    EXPECT_GE(pauses.size(), 3u);
    EXPECT_THAT(pauses, ::testing::Each(std::chrono::milliseconds(200)));
}

TEST(RunConsoleCommandTest, HandsArgumentsOverWithoutAShell) {
    const std::string output = RunConsoleCommand(
        "printf \"%s|\" \"a; echo injected $(echo no) `echo no`\" 'b'", [](std::chrono::milliseconds) {});
    EXPECT_EQ(output, "a; echo injected $(echo no) `echo no`|'b'|");
}

TEST(RunConsoleCommandTest, GivesTheEmptyTextWhenTheProgramCannotStart) {
    int pauses = 0;
    EXPECT_EQ(
        RunConsoleCommand("/nonexistent/ipconfig.exe /all", [&](std::chrono::milliseconds) { ++pauses; }),
        "");
    EXPECT_EQ(RunConsoleCommand("", [&](std::chrono::milliseconds) { ++pauses; }), "");
    EXPECT_EQ(pauses, 0);
}

}  // namespace
