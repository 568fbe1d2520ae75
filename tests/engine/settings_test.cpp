#include "language_choice.h"
#include "open_target.h"
#include "qelvane_app.h"

#include "program_dir_fixture.h"

#include <QLocale>

namespace {

class Settings : public ::testing::Test {
protected:
    void WriteSettings(const QString& content) { dir_.Write("setting.ini", content.toUtf8()); }
    void TearDown() override { isSimpChinese = 0; }

    TempProgramDir dir_;
    CQelvaneApp app_{dir_.Path()};
};

TEST_F(Settings, WithoutSettingFileEverythingHasItsDefault) {
    app_.routerInfo = {"10.0.0.1", "someone", "secret", 3, 0};
    app_.ReadLoginSettings();
    EXPECT_EQ(app_.routerInfo.address, "192.168.0.1");
    EXPECT_EQ(app_.routerInfo.user, "admin");
    EXPECT_EQ(app_.routerInfo.password, "kvmzt");
    EXPECT_EQ(app_.routerInfo.wanType, 3);  // not a setting
    EXPECT_EQ(app_.GetSkinFontName(), "Arial");
    const EditFocusColors colors = app_.ReadEditFocusColors();
    EXPECT_EQ(colors.background, 0xFFFFFFu);
    EXPECT_EQ(colors.text, 0x000000u);
    EXPECT_EQ(app_.controlObject, nullptr);
}

TEST_F(Settings, ReadsTheLoginAndCutsLongValues) {
    WriteSettings("[setting]\nLAN IP = 127.0.0.1\nUser Name=\"root user\"\nPassword=" + QString(70, u'p') +
                  "\n[Font]\nFontName=DejaVu Sans\n");
    app_.ReadLoginSettings();
    EXPECT_EQ(app_.routerInfo.address, "127.0.0.1");
    EXPECT_EQ(app_.routerInfo.user, "root user");
    EXPECT_EQ(app_.routerInfo.password, std::string(63, 'p'));
    EXPECT_EQ(app_.GetSkinFontName(), "DejaVu Sans");
}

TEST_F(Settings, EditColoursAreCrossedAndFallBackPerKey) {
    struct Case {
        QString fontColor;
        QString bkColor;
        ColorRef background;
        ColorRef text;
    };
    const Case cases[] = {
        {"0,128,255", "0,0,255", 0xFF8000, 0xFF0000},  // "EditFontColor" is the background
        {"word", "1,2", 0xFFFFFF, 0x000000},
        {"255,255", "10,20,30", 0xFFFFFF, 0x1E140A},
    };
    for (const Case& c : cases) {
        WriteSettings("[Font]\nEditFontColor=" + c.fontColor + "\nEditBkColor=" + c.bkColor + "\n");
        const EditFocusColors colors = app_.ReadEditFocusColors();
        EXPECT_EQ(colors.background, c.background) << c.fontColor.toStdString();
        EXPECT_EQ(colors.text, c.text) << c.bkColor.toStdString();
    }
}

TEST_F(Settings, ManualPathFollowsTheLanguageFlag) {
    QStringList opened;
    app_.SetManualOpener([&opened](const QString& target) { opened.append(target); });
    app_.OpenManual();  // no file: the empty path is still handed on
    WriteSettings("[Setting]\nManual Path2=/doc/manual-en.pdf\n");
    app_.OpenManual();
    isSimpChinese = 1;
    app_.OpenManual();  // Chinese reads only "Manual Path", which is not set
    WriteSettings("[Setting]\nManual Path=/doc/manual-cn.pdf\nManual Path2=/doc/manual-en.pdf\n");
    app_.OpenManual();
    EXPECT_EQ(opened, (QStringList{"", "/doc/manual-en.pdf", "", "/doc/manual-cn.pdf"}));
}

TEST_F(Settings, OnlyTheChinesePrcLanguageChoosesSimplifiedChinese) {
    const std::pair<int, int> cases[] = {{2052, 1}, {1028, 0}, {4100, 0}, {3076, 0}, {1033, 0}, {0, 0}};
    for (const auto& [languageId, simpChinese] : cases) {
        app_.ChooseLanguage(languageId);
        EXPECT_EQ(isSimpChinese, simpChinese) << languageId;
        EXPECT_EQ(app_.languageTable.File(), simpChinese ? "SimpChinese.ini" : "English.ini") << languageId;
    }
}

TEST(LanguageId, MapsLocalesToWindowsLanguageIds) {
    const std::pair<const char*, int> cases[] = {
        {"zh_CN", 2052}, {"zh_Hans_CN", 2052}, {"zh_TW", 1028}, {"zh_Hant_TW", 1028},
        {"zh_SG", 4100}, {"zh_HK", 3076},      {"en_US", 1033}, {"en_GB", 2057},
        {"de_DE", 1031}, {"fr_FR", 1036},      {"ja_JP", 1041}, {"C", 1033},
    };
    for (const auto& [name, languageId] : cases) {
        EXPECT_EQ(WindowsLanguageId(QLocale(QString::fromLatin1(name))), languageId) << name;
    }
}

}  // namespace

TEST(OpenableUrl, WebAddressesStayAndEverythingElseIsAFileBesideTheProgram) {
    const QString dir = QStringLiteral("/opt/qelvane/");
    EXPECT_EQ(OpenableUrl(u"https://www.example.com/manual"_qs, dir),
              QUrl(u"https://www.example.com/manual"_qs));
    EXPECT_EQ(OpenableUrl(u"manual\\guide.pdf"_qs, dir),
              QUrl::fromLocalFile(u"/opt/qelvane/manual/guide.pdf"_qs));
    EXPECT_EQ(OpenableUrl(u"/usr/share/doc/q.pdf"_qs, dir), QUrl::fromLocalFile(u"/usr/share/doc/q.pdf"_qs));
    // A name with a colon is still a file, and "..": stays a path.
    EXPECT_TRUE(OpenableUrl(u"C:\\Manual\\guide.pdf"_qs, dir).isLocalFile());
    EXPECT_TRUE(OpenableUrl(u"user guide: v2.pdf"_qs, dir).isLocalFile());
    EXPECT_TRUE(OpenableUrl(QString(), dir).isEmpty());
}
