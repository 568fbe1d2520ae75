// The link task's two new messages as the window shows them, in both
// languages: the router found at the address the lease named, and no cable.
// With QELVANE_SHOT_DIR set, each box is saved there as a picture too.
#include "message_box.h"
#include "page_test_helpers.h"
#include "window_front_end.h"
#include "window_snapshot.h"

#include <QDir>

#include <gtest/gtest.h>

#include "language_keys.h"

namespace {

void ShowAndRead(TestHost& host, const StepMessage& message, const QString& shotName,
                 page_test::ShownBox& shown) {
    WidgetTestApp();
    WhenModalShows([&shown, shotName](QWidget* modal) {
        if (const QString directory = qEnvironmentVariable("QELVANE_SHOT_DIR"); !directory.isEmpty()) {
            QDir().mkpath(directory);
            SnapshotWindow(modal).save(directory + QLatin1Char('/') + shotName + QStringLiteral(".png"));
        }
        auto* box = qobject_cast<CDlgMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        shown.message = box->Message();
        shown.type = box->Type();
        modal->close();
    });
    WindowFrontEnd(host).Tell(message);
}

TEST(LinkMessages, RouterFoundAndNoCableSayWhatHappenedInBothLanguages) {
    for (const int language : {1033, 2052}) {
        TestHost host(language);
        const QString suffix = language == 2052 ? QStringLiteral("-cn") : QStringLiteral("-en");
        page_test::ShownBox found;
        ShowAndRead(host,
                    {StepMessageKind::Information,
                     {},
                     lang::kRouterFound,
                     {},
                     {},
                     {QStringLiteral("127.0.0.9"), QStringLiteral("127.0.0.5")}},
                    QStringLiteral("router-found") + suffix, found);
        EXPECT_TRUE(found.message.contains(QStringLiteral("127.0.0.9")) &&
                    found.message.contains(QStringLiteral("127.0.0.5")))
            << found.message.toStdString();
        EXPECT_EQ(found.type, kMessageInformation);
        // The address found comes first, setting.ini's second, in either language.
        EXPECT_LT(found.message.indexOf(QStringLiteral("127.0.0.9")),
                  found.message.indexOf(QStringLiteral("127.0.0.5")));

        page_test::ShownBox noCable;
        ShowAndRead(host, {StepMessageKind::Warning, lang::kWarningTitle, lang::kNoCable, {}, {}, {}},
                    QStringLiteral("no-cable") + suffix, noCable);
        // What the user must do, in the run's own words: plug into a LAN port.
        const QString plug =
            language == 2052 ? QStringLiteral("\u7F51\u7EBF") : QStringLiteral("network cable");
        EXPECT_TRUE(noCable.message.contains(plug) && noCable.message.contains(QStringLiteral("LAN")))
            << noCable.message.toStdString();
        EXPECT_FALSE(noCable.message.contains(QStringLiteral("%s"))) << "an argument left unfilled";
        EXPECT_EQ(noCable.type, kMessageWarning);
    }
}

}  // namespace
