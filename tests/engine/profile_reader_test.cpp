#include "profile_reader.h"

#include "program_dir_fixture.h"

#include <tuple>

namespace {

class ProfileReader : public ::testing::Test {
protected:
    QString Write(const QString& content) { return dir_.Write("test.ini", content.toUtf8()); }
    QString Read(const QString& path, const QString& key, const QString& section = "String") {
        return ReadProfileString(section, key, "<default>", path, kLanguageBufferChars);
    }
    TempProgramDir dir_;
};

// Encoding (UTF-8, UTF-8 with BOM, UTF-16LE with BOM) x line ends (LF, CR LF).
class ProfileEncoding : public ProfileReader, public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(ProfileEncoding, ReadsEveryEncodingAndLineEnd) {
    const auto [encoding, crlf] = GetParam();
    const QString text =
        QStringList{"[String]", "Name=路由器 Ünïcode", "Other=plain", ""}.join(crlf ? "\r\n" : "\n");
    QByteArray bytes = encoding == 1 ? "\xEF\xBB\xBF" + text.toUtf8() : text.toUtf8();
    if (encoding == 2) {
        bytes =
            QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    }
    const QString path = dir_.Write("encoded.ini", bytes);
    EXPECT_EQ(Read(path, "Name"), QString::fromUtf8("路由器 Ünïcode"));
    EXPECT_EQ(Read(path, "Other"), "plain");  // no CR left on the value
}

INSTANTIATE_TEST_SUITE_P(AllEncodings, ProfileEncoding,
                         ::testing::Combine(::testing::Values(0, 1, 2), ::testing::Bool()));

TEST_F(ProfileReader, MatchesWithoutCaseOrBlanksAndTheFirstEntryWins) {
    const QString path = Write(
        "[ String ]\n  welcome =  Hello  \nWarning=Careful\nWARNING=second\nurl=http://h/?a=1\n"
        "[Other]\nlate=other\n"
        "[string]\nlate=found\n");
    EXPECT_EQ(Read(path, "welcome" + QString(20, u' ')), "Hello");
    EXPECT_EQ(Read(path, "WELCOME", " string "), "Hello");
    EXPECT_EQ(Read(path, "Warning "), "Careful");
    EXPECT_EQ(Read(path, "url"), "http://h/?a=1");  // split at the first '=' only
    EXPECT_EQ(Read(path, "late"), "found");         // a repeated section still counts
}

TEST_F(ProfileReader, UnquotesAndSkipsCommentsAndStrayLines) {
    const QString path = Write(
        "orphan=before any section\n[String]\n;commented=1\n   ; indented=2\nno equals sign\n=nameless\n"
        "double=\"quoted text\"\nsingle='x'\nmixed=\"x'\ninner=\"a\" and \"b\"\n"
        "value=a ; not a comment\nblank=\n");
    EXPECT_EQ(Read(path, "double"), "quoted text");
    EXPECT_EQ(Read(path, "single"), "x");
    EXPECT_EQ(Read(path, "mixed"), "\"x'");
    EXPECT_EQ(Read(path, "inner"), "a\" and \"b");
    EXPECT_EQ(Read(path, "value"), "a ; not a comment");
    EXPECT_EQ(Read(path, "blank"), "");  // present but empty is not missing
    for (const char* absent : {"orphan", ";commented", "indented", ""}) {
        EXPECT_EQ(Read(path, absent), "<default>") << absent;
    }
    EXPECT_EQ(ReadProfileKeys("String", path),
              (QStringList{"double", "single", "mixed", "inner", "value", "blank"}));
}

TEST_F(ProfileReader, FallsBackToTheDefaultAndReadsTheFileAnewEachTime) {
    const QString path = Write("[String]\nkey=old\n");
    EXPECT_EQ(Read(dir_.Path() + "absent.ini", "key"), "<default>");
    EXPECT_EQ(Read(path, "key", "Absent"), "<default>");
    EXPECT_EQ(Read(path, "absent"), "<default>");
    EXPECT_EQ(Read(dir_.Path() + "\\test.ini", "key"), "old");  // backslashes are separators
    Write("[String]\nkey=new\n");
    EXPECT_EQ(Read(path, "key"), "new");
}

TEST_F(ProfileReader, CutsValuesAndDefaultsToTheBuffer) {
    const QString path = Write("[S]\nlong=" + QString(3000, u'v') + "\n");
    EXPECT_EQ(ReadProfileString("S", "long", "", path, kSettingsBufferChars), QString(63, u'v'));
    EXPECT_EQ(ReadProfileString("S", "long", "", path, kLanguageBufferChars), QString(2047, u'v'));
    EXPECT_EQ(ReadProfileString("S", "absent", QString(100, u'd'), path, kSettingsBufferChars),
              QString(63, u'd'));
}

}  // namespace
