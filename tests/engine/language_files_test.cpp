// The shipped language files against the keys the program looks up.
#include "language_keys.h"
#include "language_table.h"
#include "profile_reader.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QUrl>

namespace {

const QString kResDir = QStringLiteral(QELVANE_RES_DIR "/");

QString ShippedFile(const QString& name) {
    return kResDir + "Language/" + name;
}

QSet<QString> FoldedKeys(const QStringList& keys) {
    QSet<QString> folded;
    for (const QString& key : keys) {
        folded.insert(key.trimmed().toCaseFolded());
    }
    return folded;
}

QSet<QString> KeysTheCodeUses() {
    QStringList keys;
    for (const auto group : lang::kAllKeyGroups) {
        for (const QStringView key : group) {
            keys.append(key.toString());
        }
    }
    return FoldedKeys(keys);
}

class LanguageFile : public ::testing::TestWithParam<const char*> {
protected:
    QString Path() const { return ShippedFile(QString::fromLatin1(GetParam())); }
    QStringList FileKeys() const { return ReadProfileKeys("String", Path()); }
};

TEST_P(LanguageFile, CarriesEveryKeyTheCodeLooksUpAndNoOther) {
    const QSet<QString> fileKeys = FoldedKeys(FileKeys());
    ASSERT_FALSE(fileKeys.isEmpty()) << Path().toStdString();
    for (const QString& key : KeysTheCodeUses()) {
        EXPECT_TRUE(fileKeys.contains(key)) << "missing: " << key.toStdString();
    }
    for (const QString& key : fileKeys - KeysTheCodeUses()) {
        ADD_FAILURE() << "not looked up by the program: " << key.toStdString();
    }
}

TEST_P(LanguageFile, HasNoKeyTwiceSinceTheFirstWouldHideTheSecond) {
    const QStringList keys = FileKeys();
    EXPECT_EQ(FoldedKeys(keys).size(), keys.size());
}

TEST_P(LanguageFile, GivesEveryKeyANonEmptyText) {
    for (const QString& key : FileKeys()) {
        const QString text = ReadProfileString("String", key, QString(), Path(), kLanguageBufferChars);
        EXPECT_FALSE(text.trimmed().isEmpty()) << key.toStdString();
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << key.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageFile, ::testing::Values("English.ini", "SimpChinese.ini"));

TEST(LanguageFiles, ResolvePaddedKeysAndCarryARealWebAddress) {
    CLanguageTable table(kResDir);
    EXPECT_EQ(table.Lookup(lang::kWarningTitle.toString()), "Warning");
    EXPECT_EQ(table.Lookup(lang::kWelcomeCaptions[0].toString()), "Welcome");
    EXPECT_TRUE(table.Lookup("info" + QString(17, u' ')).contains("\r\n"));
    const QUrl url(table.Lookup(lang::kWebUrl.toString()));
    EXPECT_TRUE(url.isValid() && url.scheme() == "https") << url.toString().toStdString();
    table.SetFile("SimpChinese.ini");
    EXPECT_EQ(table.Lookup(lang::kWarningTitle.toString()), QString::fromUtf8("警告"));
    EXPECT_EQ(QUrl(table.Lookup(lang::kWebUrl.toString())), url);
}

}  // namespace
