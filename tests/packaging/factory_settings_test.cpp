// The setting.ini an installed copy ships must say what the program assumes
// when the file is missing: the router's factory address and login. A copy
// that pointed elsewhere (the build's loopback sample, a stale login) would
// make the installed wizard fail against a router fresh out of its box.
#include "settings_file.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Values {
    RouterInfo login;
    QString manualChinese;
    QString manualEnglish;
    QString fontName;
    EditFocusColors colors;
};

Values ReadAll(const QString& programDir) {
    const CSettingsFile file(programDir);
    Values values{};
    file.ReadLogin(values.login);
    values.manualChinese = file.ReadManualPath(1);
    values.manualEnglish = file.ReadManualPath(0);
    values.fontName = file.GetSkinFontName();
    values.colors = file.ReadEditFocusColors();
    return values;
}

QString WithSeparator(const QString& dir) {
    return QDir(dir).absolutePath() + u'/';
}

TEST(FactorySettings, ShippedFileHoldsTheValuesTheProgramAssumesWithoutIt) {
    const QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    const Values assumed = ReadAll(WithSeparator(empty.path()));
    const Values shipped = ReadAll(WithSeparator(QStringLiteral(QELVANE_FACTORY_SETTINGS_DIR)));

    EXPECT_EQ(shipped.login.address, assumed.login.address);
    EXPECT_EQ(shipped.login.user, assumed.login.user);
    EXPECT_EQ(shipped.login.password, assumed.login.password);
    EXPECT_EQ(shipped.manualChinese, assumed.manualChinese);
    EXPECT_EQ(shipped.manualEnglish, assumed.manualEnglish);
    EXPECT_EQ(shipped.fontName, assumed.fontName);
    EXPECT_EQ(shipped.colors.background, assumed.colors.background);
    EXPECT_EQ(shipped.colors.text, assumed.colors.text);
}

TEST(FactorySettings, BuildSampleStillPointsAtLoopback) {
    // Tests and the demo run the build's copy; it must never name a real router.
    RouterInfo login{};
    CSettingsFile(WithSeparator(QStringLiteral(QELVANE_SAMPLE_SETTINGS_DIR))).ReadLogin(login);
    EXPECT_EQ(login.address.rfind("127.", 0), 0u) << login.address;
}

}  // namespace
