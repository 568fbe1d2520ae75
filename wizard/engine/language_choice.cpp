#include "language_choice.h"

#include <array>

int isSimpChinese = 0;

namespace {

constexpr int MakeLanguageId(int primary, int sub) {
    return sub << 10 | primary;
}
constexpr int kSubLanguageDefault = 1;

struct TerritoryEntry {
    QLocale::Language language;
    QLocale::Territory territory;
    int languageId;
};

// Territory-specific identifiers that differ from the default sublanguage.
constexpr std::array kTerritoryIds{
    TerritoryEntry{QLocale::Chinese, QLocale::China, 2052},
    TerritoryEntry{QLocale::Chinese, QLocale::Taiwan, 1028},
    TerritoryEntry{QLocale::Chinese, QLocale::HongKong, 3076},
    TerritoryEntry{QLocale::Chinese, QLocale::Singapore, 4100},
    TerritoryEntry{QLocale::Chinese, QLocale::Macao, 5124},
    TerritoryEntry{QLocale::English, QLocale::UnitedKingdom, 2057},
    TerritoryEntry{QLocale::English, QLocale::Australia, 3081},
    TerritoryEntry{QLocale::English, QLocale::Canada, 4105},
    TerritoryEntry{QLocale::English, QLocale::NewZealand, 5129},
    TerritoryEntry{QLocale::English, QLocale::Ireland, 6153},
    TerritoryEntry{QLocale::German, QLocale::Switzerland, 2055},
    TerritoryEntry{QLocale::German, QLocale::Austria, 3079},
    TerritoryEntry{QLocale::French, QLocale::Belgium, 2060},
    TerritoryEntry{QLocale::French, QLocale::Canada, 3084},
    TerritoryEntry{QLocale::French, QLocale::Switzerland, 4108},
    TerritoryEntry{QLocale::Spanish, QLocale::Mexico, 2058},
    TerritoryEntry{QLocale::Spanish, QLocale::Spain, 3082},
    TerritoryEntry{QLocale::Portuguese, QLocale::Brazil, 1046},
    TerritoryEntry{QLocale::Portuguese, QLocale::Portugal, 2070},
    TerritoryEntry{QLocale::Dutch, QLocale::Belgium, 2067},
};

struct PrimaryEntry {
    QLocale::Language language;
    int primaryId;  // Windows LANG_xxx
};

constexpr std::array kPrimaryIds{
    PrimaryEntry{QLocale::Arabic, 0x01},     PrimaryEntry{QLocale::Bulgarian, 0x02},
    PrimaryEntry{QLocale::Catalan, 0x03},    PrimaryEntry{QLocale::Czech, 0x05},
    PrimaryEntry{QLocale::Danish, 0x06},     PrimaryEntry{QLocale::German, 0x07},
    PrimaryEntry{QLocale::Greek, 0x08},      PrimaryEntry{QLocale::English, 0x09},
    PrimaryEntry{QLocale::Spanish, 0x0A},    PrimaryEntry{QLocale::Finnish, 0x0B},
    PrimaryEntry{QLocale::French, 0x0C},     PrimaryEntry{QLocale::Hebrew, 0x0D},
    PrimaryEntry{QLocale::Hungarian, 0x0E},  PrimaryEntry{QLocale::Italian, 0x10},
    PrimaryEntry{QLocale::Japanese, 0x11},   PrimaryEntry{QLocale::Korean, 0x12},
    PrimaryEntry{QLocale::Dutch, 0x13},      PrimaryEntry{QLocale::NorwegianBokmal, 0x14},
    PrimaryEntry{QLocale::Polish, 0x15},     PrimaryEntry{QLocale::Portuguese, 0x16},
    PrimaryEntry{QLocale::Romanian, 0x18},   PrimaryEntry{QLocale::Russian, 0x19},
    PrimaryEntry{QLocale::Swedish, 0x1D},    PrimaryEntry{QLocale::Thai, 0x1E},
    PrimaryEntry{QLocale::Turkish, 0x1F},    PrimaryEntry{QLocale::Ukrainian, 0x22},
    PrimaryEntry{QLocale::Vietnamese, 0x2A},
};

constexpr int kLanguageIdEnglishUs = 1033;
constexpr int kLanguageIdNeutral = MakeLanguageId(0, kSubLanguageDefault);

}  // namespace

int WindowsLanguageId(const QLocale& locale) {
    const QLocale::Language language = locale.language();
    if (language == QLocale::C) {
        return kLanguageIdEnglishUs;  // the C locale speaks American English
    }
    for (const TerritoryEntry& entry : kTerritoryIds) {
        if (entry.language == language && entry.territory == locale.territory()) {
            return entry.languageId;
        }
    }
    if (language == QLocale::Chinese) {
        // Other territories: traditional script reads like Taiwan, simplified like the PRC.
        return locale.script() == QLocale::TraditionalChineseScript ? 1028 : kLanguageIdSimpChinese;
    }
    for (const PrimaryEntry& entry : kPrimaryIds) {
        if (entry.language == language) {
            return MakeLanguageId(entry.primaryId, kSubLanguageDefault);
        }
    }
    return kLanguageIdNeutral;
}

int SystemLanguageId() {
    return WindowsLanguageId(QLocale::system());
}

LanguageChoice ChooseLanguageFile(int languageId) {
    if (languageId == kLanguageIdSimpChinese) {
        return {1, QStringLiteral("SimpChinese.ini")};
    }
    return {0, QStringLiteral("English.ini")};
}
