// The summary a user saves from the result page, read back by tools nobody
// here wrote: pdftotext for the words, pdftoppm and zbarimg for the code.
#include "setup_summary.h"

#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "page_test_helpers.h"
#include "result_page.h"
#include "validation.h"
#include "widget_test_app.h"

namespace {

QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(SetupSummary, OnlyItsOwnerCanReadItAndItSaysWhatWasSetIncludingTheCode) {
    for (const char* tool : {"pdftotext", "pdftoppm", "zbarimg"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            GTEST_SKIP() << tool << " (Debian poppler-utils, zbar-tools) is not installed";
        }
    }
    WidgetTestApp();
    QTemporaryDir directory;
    const QString path = directory.path() + QStringLiteral("/summary.pdf");
    const QString join =
        QStringLiteral("WIFI:T:WPA;S:\u5BB6\u91CC\u7684\u7F51\u7EDC;P:Qelvane\\;2024;H:false;;");
    const std::optional<QrModules> code = EncodeQr(join.toUtf8());
    ASSERT_TRUE(code.has_value());
    const SetupSummary summary{QStringLiteral("\u8DEF\u7531\u5668\u8BBE\u7F6E"),
                               {{QStringLiteral("WAN"), QStringLiteral("203.0.113.52")},
                                {QStringLiteral("SSID"), QStringLiteral("\u5BB6\u91CC\u7684\u7F51\u7EDC")},
                                {QStringLiteral("Key"), QStringLiteral("Qelvane;2024")}},
                               JoinCodePicture(*code, 8)};
    ASSERT_TRUE(WriteSummaryPdf(path, summary));

    struct stat status {};
    ASSERT_EQ(stat(path.toLocal8Bit().constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u) << "the file holds the wireless key";

    const QString text = Output(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    for (const auto& [caption, value] : summary.rows) {
        EXPECT_TRUE(text.contains(value)) << value.toStdString() << " missing in: " << text.toStdString();
    }
    EXPECT_TRUE(text.contains(summary.title));

    Output(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                                        path, directory.path() + QStringLiteral("/page")});
    const QString page = directory.path() + QStringLiteral("/page-1.png");
    ASSERT_TRUE(QFileInfo::exists(page));
    EXPECT_EQ(
        Output(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), page}).trimmed(),
        join);

    // A folder that does not exist: refused, and nothing is left behind.
    const QString nowhere = directory.path() + QStringLiteral("/missing/summary.pdf");
    EXPECT_FALSE(WriteSummaryPdf(nowhere, summary));
    EXPECT_FALSE(QFileInfo::exists(nowhere));

    // Saved again over the first: still the owner's alone.
    ASSERT_TRUE(WriteSummaryPdf(path, summary));
    ASSERT_EQ(stat(path.toLocal8Bit().constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
}

// The result page hands on only what the router confirmed: the code and the
// summary button show after a confirmed save and not after one it did not take.
TEST(SetupSummary, TheResultPageOffersTheCodeOnlyForAConfirmedSave) {
    TestHost host;
    host.App().wirelessParams.ssid = "Qelvane";
    host.App().securityParams.mode = kSecurityWpa2;
    host.App().securityParams.passphrase = "QelvaneDemo2024";
    host.App().wanStatus.extraText = "Qelvane";
    auto page = page_test::OpenPage<CResultDlg>(host);
    QWidget* code = page->GetDlgItem(1209);
    ASSERT_NE(code, nullptr);
    EXPECT_TRUE(code->isVisible());
    EXPECT_FALSE(static_cast<QLabel*>(code)->pixmap().isNull());

    QTemporaryDir directory;
    const QString path = directory.path() + QStringLiteral("/summary.pdf");
    ASSERT_TRUE(page->SaveSummaryTo(path));
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        EXPECT_TRUE(Output(QStringLiteral("pdftotext"), {path, QStringLiteral("-")})
                        .contains(QStringLiteral("Qelvane")));
    }

    host.Findings().saveConfirmed = false;
    page->hide();
    page->show();
    EXPECT_FALSE(code->isVisible());
    EXPECT_FALSE(page->GetDlgItem(1210)->isVisible());
}

}  // namespace
