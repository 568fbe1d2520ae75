#include "colour_values.h"
#include "format_string.h"
#include "native_path.h"
#include "program_dir.h"
#include "quoted_split.h"
#include "skin_path.h"

#include "program_dir_fixture.h"

#include <climits>
#include <cstdint>

namespace {

TEST(FormatString, FormatsTheProgramsFormatsTypeSafely) {
    const std::pair<QString, QString> cases[] = {
        {FormatString(u"%sSkin\\progress%d.png", QStringLiteral("/q/"), 3), "/q/Skin\\progress3.png"},
        {FormatString(u"%sLanguage\\", L"C:\\Qelvane\\"), "C:\\Qelvane\\Language\\"},
        {FormatString(u"%%%2x|%%%2x|%%%2x", 0x26, u'+', 5), "%26|%2b|% 5"},  // lower case, blank-padded
        {FormatString(u"%05d|%-4d|%+d|%.3d", -42, 42, 5, 7), "-0042|42  |+5|007"},
        {FormatString(u"%x|%X|%#x", -1, 255, 255), "ffffffff|FF|0xff"},  // an int prints as its 32 bits
        {FormatString(u"%u|%*d", UINT64_MAX, 3, 7), "18446744073709551615|  7"},
        {FormatString(u"%5s|%.2s|%c", u"ab", u"abcd", 0x41), "   ab|ab|A"},
        {FormatString(u"%s|%d|[%d]", 42, u"text"),
         "42|text|[]"},                         // the argument's type decides; none prints nothing
        {FormatString(u"100%q %"), "100%q %"},  // unknown conversions stay as written
    };
    for (const auto& [actual, expected] : cases) {
        EXPECT_EQ(actual, expected);
    }
}

TEST(FormatString, CutsTheResultAt1022Characters) {
    const QString result = FormatString(u"ab%scd", QString(2000, u'x'));
    EXPECT_EQ(result.size(), kFormatLimitChars);
    EXPECT_TRUE(result.startsWith(u"abx"));
    EXPECT_EQ(FormatString(u"%sz", QString(1021, u'y')).back(), u'z');
}

// Widths and precisions taken from the arguments may be anything an int
// holds: the extremes must neither overflow nor allocate their size, and the
// visible result is what an unbounded count would give, cut at the limit.
TEST(FormatString, ExtremeStarCountsAreBounded) {
    const QString spaces = QString(kFormatLimitChars, u' ');
    EXPECT_EQ(FormatString(u"%*d", INT_MIN, 5), u'5' + spaces.left(kFormatLimitChars - 1));
    EXPECT_EQ(FormatString(u"%*d|", INT_MAX, 5), spaces);
    EXPECT_EQ(FormatString(u"%-*s|", INT_MAX, u"ab"), "ab" + spaces.left(kFormatLimitChars - 2));
    EXPECT_EQ(FormatString(u"%.*d", INT_MAX, 5), QString(kFormatLimitChars, u'0'));
    EXPECT_EQ(FormatString(u"%.*s|%d", INT_MAX, u"ab", 7), "ab|7");
    EXPECT_EQ(FormatString(u"%*.*x", INT_MIN, INT_MIN, 255), "ff" + spaces.left(kFormatLimitChars - 2));
    EXPECT_EQ(FormatString(u"[%*d]", -3, 5), "[5  ]");  // ordinary negative widths still left-align
}

TEST(SplitQuoted, SplitsAtSeparatorsOutsideQuotes) {
    const std::pair<QString, QStringList> cases[] = {
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a"}},  // a trailing empty item is dropped
        {",a", {"", "a"}},
        {"x,'y,z'", {"x", "y,z"}},
        {"x,\"y,z", {"x", "y,z"}},  // an unterminated quote takes the rest
        {"a'b'c,d", {"abc", "d"}},
        {R"('a\'b',c)", {R"(a\'b)", "c"}},  // an escaped quote does not close; its backslash stays
        {"''", {}},
    };
    for (const auto& [text, expected] : cases) {
        QStringList items{"kept"};
        EXPECT_EQ(SplitQuoted(text, items, u','), expected.size() + 1) << text.toStdString();
        EXPECT_EQ(items, QStringList{"kept"} + expected) << text.toStdString();
    }
    QStringList items;
    EXPECT_EQ(SplitQuoted(QString(), items, u','), -1);
    EXPECT_EQ(FindClosingQuote("'abc", u'\'', 0), 0);
}

TEST(ParseColorTriplet, ReadsRedFirstAndKeepsLowEightBits) {
    struct Case {
        QString text;
        int ok;
        ColorRef colour;
    };
    const Case cases[] = {
        {"255,255,255", 1, 0xFFFFFF},    {"0,128,255", 1, 0xFF8000}, {"256,0,0", 1, 0x000000},
        {" 10, 20 ,30", 1, 0x1E140A},    {"a,b,c", 1, 0x000000},     {"-1,0,0", 1, 0x0000FF},
        {"255,255", 0, 0x123456},        {"1,2,3,4", 0, 0x123456},   {"white", 0, 0x123456},
        {"4294967296,0,0", 1, 0x0000FF},  // clamped to INT_MAX like atoi, not wrapped to 0
    };
    for (const Case& c : cases) {
        ColorRef colour = 0x123456;
        EXPECT_EQ(ParseColorTriplet(c.text, colour), c.ok) << c.text.toStdString();
        EXPECT_EQ(colour, c.colour) << c.text.toStdString();
    }
}

TEST(ModuleDir, IsTheExecutablesDirectoryComputedOnce) {
    const QString dir = GetModuleDir();
    EXPECT_EQ(dir, QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget().section(u'/', 0, -2) + u'/');
    EXPECT_EQ(GetModuleDir().constData(), dir.constData());  // the cached text, not a new one
    EXPECT_EQ(ModuleDirFromExecutablePath("C:\\q\\Qelvane.exe"), "C:\\q\\");
    EXPECT_EQ(ModuleDirFromExecutablePath("prog"), "prog");
}

// Skin files open from a program directory given with or without its
// trailing separator, of either kind, and from the skin's language folders.
TEST(SkinFilePath, OpensSkinFilesOfTheProgramDirectory) {
    TempProgramDir dir;
    dir.Write("Skin/progress1.png", "png");
    dir.Write("Skin/cn/Setup1.bmp", "bmp");
    QString bare = dir.Path();
    bare.chop(1);
    for (const QString& programDir : {dir.Path(), bare, bare + u'\\'}) {
        EXPECT_TRUE(QFile::exists(NativePath(SkinFilePath(programDir, u"progress1.png"))))
            << programDir.toStdString();
        EXPECT_TRUE(QFile::exists(NativePath(SkinFilePath(programDir, u"cn\\Setup1.bmp"))))
            << programDir.toStdString();
    }
    EXPECT_EQ(SkinFilePath(QStringLiteral("C:\\Qelvane\\"), u"logo.ico"), "C:\\Qelvane\\Skin\\logo.ico");
    EXPECT_EQ(SkinFilePath(QString(), u"logo.ico"), "Skin\\logo.ico");  // relative, never the root
}

}  // namespace
