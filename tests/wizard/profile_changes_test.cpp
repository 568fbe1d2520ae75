// The PC's network profiles the link task switched, as the window tells of
// them and asks about them, in both languages, with the restore task answered
// by the host instead of run. With QELVANE_SHOT_DIR set, each kind of box is
// saved there as a picture too.
#include "dhcp_profile.h"
#include "dialog_translation.h"
#include "message_box.h"
#include "page_test_helpers.h"
#include "profile_changes.h"
#include "setup_tasks.h"
#include "window_front_end.h"
#include "window_snapshot.h"

#include <QAbstractButton>
#include <QDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int kIdOk = CDlgMessageBox::kIdOk;
constexpr int kIdYes = CDlgMessageBox::kIdYes;
constexpr int kIdNo = CDlgMessageBox::kIdNo;
constexpr int kEscape = 0;  // a reply that closes the box with the key

// Answers every message box that comes up while it lives, in order, by
// clicking the button of each reply (Escape once the replies run out), and
// keeps what each box said.
class BoxAnswers {
public:
    struct Box {
        int type;
        QString message;
    };

    explicit BoxAnswers(std::vector<int> replies, std::vector<QString> shotNames = {})
        : replies_(std::move(replies)), shotNames_(std::move(shotNames)) {
        WidgetTestApp();
        QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerShownBox(); });
        timer_.start(10);
    }

    std::vector<Box> boxes;

private:
    void AnswerShownBox() {
        auto* box = qobject_cast<CDlgMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        const std::size_t index = boxes.size();
        boxes.push_back({box->Type(), box->Message()});
        const QString directory = qEnvironmentVariable("QELVANE_SHOT_DIR");
        if (!directory.isEmpty() && index < shotNames_.size() && !shotNames_[index].isEmpty()) {
            QDir().mkpath(directory);
            SnapshotWindow(box).save(directory + QLatin1Char('/') + shotNames_[index] +
                                     QStringLiteral(".png"));
        }
        const int reply = index < replies_.size() ? replies_[index] : kEscape;
        if (reply == kEscape) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (reply == Qt::Key_Return) {
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            box->Item<QAbstractButton>(reply)->click();
        }
    }

    std::vector<int> replies_;
    std::vector<QString> shotNames_;
    QTimer timer_;
};

// A host whose restore task gives each profile the outcome named for it.
class RestoringHost : public TestHost {
public:
    using TestHost::TestHost;

    int RunTask(int task) override {
        TestHost::RunTask(task);
        int restored = 0;
        for (SwitchedProfile& profile : App().switchedProfiles) {
            if (task == TASK_RESTORE && profile.choice == SwitchedProfile::Choice::Restore) {
                profile.restore = outcomes.at(profile.profileName);
                restored += profile.restore->result == ProfileRestoreResult::Restored ? 1 : 0;
            }
        }
        return restored;
    }

    // A profile on fixed addresses, its undo command as the reset writes it.
    void Switch(const QString& adapter, const QString& name, const QString& address) {
        ConnectionSettings before;
        before[QStringLiteral("connection")] = {
            {QStringLiteral("id"), name},
            {QStringLiteral("uuid"), QStringLiteral("7a3e9b44-1c2d-4e5f-8a9b-0c1d2e3f4a5b")}};
        before[QStringLiteral("ipv4")] = {
            {QStringLiteral("method"), QStringLiteral("manual")},
            {QStringLiteral("address-data"),
             QVariant::fromValue(QList<QVariantMap>{{{QStringLiteral("address"), address.section(u'/', 0, 0)},
                                                     {QStringLiteral("prefix"), 24u}}})},
            {QStringLiteral("gateway"), QStringLiteral("127.0.1.1")},
            {QStringLiteral("dns-data"), QStringList{QStringLiteral("127.0.1.53")}}};
        SwitchedProfile profile;
        profile.adapter = adapter;
        profile.profileName = name;
        profile.fixedAddresses = FixedIpv4Addresses(before);
        profile.undoCommand = UndoCommand(before);
        App().switchedProfiles.push_back(profile);
    }

    std::map<QString, ProfileRestoreOutcome> outcomes;
};

bool Names(const BoxAnswers::Box& box, const QString& profile, const QString& adapter, const QString& last) {
    return box.message.contains(profile) && box.message.contains(adapter) && box.message.contains(last) &&
           !box.message.contains(QStringLiteral("%s"));
}

TEST(ProfileChangesInTheWindow, EachSwitchIsToldOnceAndPutBackOnlyWhereTheUserSaysNo) {
    for (const int language : {1033, 2052}) {
        const QString suffix = language == 2052 ? QStringLiteral("-cn") : QStringLiteral("-en");
        RestoringHost host(language);
        host.Switch(QStringLiteral("enp3s0"), QStringLiteral("Wired connection 1"),
                    QStringLiteral("127.0.1.10/24"));
        host.Switch(QStringLiteral("enp4s0"), QStringLiteral("Office"), QStringLiteral("127.0.2.10/24"));
        host.Switch(QStringLiteral("enp5s0"), QStringLiteral("Lab"), QStringLiteral("127.0.3.10/24"));
        host.outcomes = {{QStringLiteral("Wired connection 1"), {ProfileRestoreResult::Restored, {}}},
                         {QStringLiteral("Office"), {ProfileRestoreResult::Refused, QStringLiteral("no")}},
                         {QStringLiteral("Lab"), {ProfileRestoreResult::Failed, QStringLiteral("gone")}}};
        // The boxes' buttons in the run's language, as in the wizard.
        SetProgramLanguageTable(&host.App().languageTable);
        WindowFrontEnd frontEnd(host);
        ProfileChanges changes(frontEnd, host.App().switchedProfiles);
        auto& profiles = host.App().switchedProfiles;

        {
            BoxAnswers told({kIdOk, kIdOk, kIdOk}, {QStringLiteral("profile-switched") + suffix});
            changes.TellSwitched();
            changes.TellSwitched();  // a later link task switched nothing new
            ASSERT_EQ(told.boxes.size(), 3u);
            EXPECT_EQ(told.boxes[0].type, kMessageInformation);
            EXPECT_TRUE(Names(told.boxes[0], profiles[0].profileName, QStringLiteral("enp3s0"),
                              QStringLiteral("127.0.1.10/24")))
                << told.boxes[0].message.toStdString();
            EXPECT_TRUE(host.tasks.empty());
        }

        // The wizard ends: the first and the last go back, the second stays.
        BoxAnswers settled({kIdNo, kIdYes, kIdNo, kIdOk, kIdOk, kIdOk},
                           {QStringLiteral("keep-or-restore") + suffix,
                            {},
                            {},
                            QStringLiteral("profile-restored") + suffix,
                            QStringLiteral("profile-not-restored") + suffix,
                            QStringLiteral("undo-command") + suffix});
        changes.SettleAtEnd();
        EXPECT_EQ(host.tasks, std::vector<int>{TASK_RESTORE});
        ASSERT_EQ(settled.boxes.size(), 6u);
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(settled.boxes[k].type, kMessageQuestion);
            EXPECT_TRUE(Names(settled.boxes[k], profiles[k].profileName, profiles[k].adapter,
                              profiles[k].fixedAddresses[0]))
                << settled.boxes[k].message.toStdString();
        }
        EXPECT_EQ(profiles[1].choice, SwitchedProfile::Choice::Keep);
        EXPECT_FALSE(profiles[1].restore.has_value()) << "put back without the user's word";
        EXPECT_EQ(settled.boxes[3].type, kMessageInformation);
        EXPECT_TRUE(Names(settled.boxes[3], profiles[0].profileName, QStringLiteral("enp3s0"),
                          QStringLiteral("127.0.1.10/24")))
            << settled.boxes[3].message.toStdString();
        // Not put back: what to run instead.
        EXPECT_EQ(settled.boxes[4].type, kMessageWarning);
        EXPECT_TRUE(Names(settled.boxes[4], profiles[2].profileName, QStringLiteral("enp5s0"), {}))
            << settled.boxes[4].message.toStdString();
        EXPECT_EQ(settled.boxes[5].message, profiles[2].undoCommand);
        SetProgramLanguageTable(nullptr);
    }
}

TEST(ProfileChangesInTheWindow, EnterOrEscapeKeepsTheSwitchAndNothingSwitchedAsksNothing) {
    RestoringHost host;
    host.Switch(QStringLiteral("enp3s0"), QStringLiteral("Desk"), QStringLiteral("127.0.1.10/24"));
    host.Switch(QStringLiteral("enp4s0"), QStringLiteral("Bench"), QStringLiteral("127.0.2.10/24"));
    WindowFrontEnd frontEnd(host);
    {
        BoxAnswers asked({Qt::Key_Return, kEscape});
        ProfileChanges(frontEnd, host.App().switchedProfiles).SettleAtEnd();
        EXPECT_EQ(asked.boxes.size(), 2u);
    }
    EXPECT_TRUE(host.tasks.empty());
    for (const SwitchedProfile& profile : host.App().switchedProfiles) {
        EXPECT_EQ(profile.choice, SwitchedProfile::Choice::Keep) << profile.profileName.toStdString();
    }

    RestoringHost untouched;
    WindowFrontEnd quiet(untouched);
    BoxAnswers none({});
    ProfileChanges(quiet, untouched.App().switchedProfiles).TellSwitched();
    ProfileChanges(quiet, untouched.App().switchedProfiles).SettleAtEnd();
    QTest::qWait(50);
    EXPECT_TRUE(none.boxes.empty());
    EXPECT_TRUE(untouched.tasks.empty());
}

}  // namespace
