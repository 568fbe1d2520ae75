#include "language_table.h"

#include "program_dir_fixture.h"

namespace {

class LanguageTable : public ::testing::Test {
protected:
    void WriteLanguage(const QString& name, const QString& entries) {
        dir_.Write("Language/" + name, ("[String]\n" + entries).toUtf8());
    }
    TempProgramDir dir_;
    CLanguageTable table_{dir_.Path()};
};

TEST_F(LanguageTable, ExpandsLineBreaksBeforeRemovingNullMarkers) {
    WriteLanguage("English.ini",
                  "two lines=first\\r\\nsecond\n"
                  "null=[~NULL~]\n"
                  "inside=ab[~NULL~]cd[~NULL~]\n"
                  "order=x\\r[~NULL~]\\ny\n"
                  "lone=a\\nb\\r\n");
    EXPECT_EQ(table_.Lookup("two lines"), "first\r\nsecond");
    EXPECT_EQ(table_.Lookup("null"), "");
    EXPECT_EQ(table_.Lookup("inside"), "abcd");
    EXPECT_EQ(table_.Lookup("order"), "x\\r\\ny");  // four plain characters survive
    EXPECT_EQ(table_.Lookup("lone"), "a\\nb\\r");   // only the pair is an escape
}

TEST_F(LanguageTable, GivesTheKeyItselfWhenTheTextIsMissing) {
    EXPECT_EQ(table_.Lookup("Success"), "Success");  // no language folder at all
    WriteLanguage("English.ini", "Warning=Attention\n");
    EXPECT_EQ(table_.Lookup("Warning "), "Attention");
    EXPECT_EQ(table_.Lookup("welcome   "), "welcome   ");  // padded key shown as it is
    EXPECT_EQ(table_.Lookup(""), "");
}

TEST_F(LanguageTable, ReadsEnglishUntilAFileIsChosen) {
    WriteLanguage("English.ini", "Next=Next\n");
    WriteLanguage("SimpChinese.ini", "Next=下一步\n");
    EXPECT_EQ(table_.FilePath(), dir_.Path() + "Language\\English.ini");
    EXPECT_EQ(table_.Lookup("Next"), "Next");
    table_.SetFile("SimpChinese.ini");
    EXPECT_EQ(table_.Lookup("Next"), QString::fromUtf8("下一步"));
}

TEST_F(LanguageTable, CutsTextsAt2047Characters) {
    WriteLanguage("English.ini", "long=" + QString(2100, u't') + "\n");
    EXPECT_EQ(table_.Lookup("long").size(), 2047);
}

TEST_F(LanguageTable, TranslatesCaptionsButKeepsThemForEmptyTexts) {
    WriteLanguage("English.ini", "Back=Go back\nHidden=[~NULL~]\n");
    EXPECT_EQ(TranslateCaption(table_, "Back"), "Go back");
    EXPECT_EQ(TranslateCaption(table_, "Hidden"), "Hidden");
    EXPECT_EQ(TranslateCaption(table_, "Unknown"), "Unknown");
}

}  // namespace
