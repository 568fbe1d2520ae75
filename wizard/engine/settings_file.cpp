#include "settings_file.h"

#include "profile_reader.h"
#include "text_codec.h"

#include <utility>

namespace {

const QString kSettingSection = QStringLiteral("Setting");
const QString kFontSection = QStringLiteral("Font");

constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kBlack = 0x000000;

}  // namespace

CSettingsFile::CSettingsFile(QString programDir) : programDir_(std::move(programDir)) {}

QString CSettingsFile::Path() const {
    return programDir_ + QString::fromUtf16(kSettingsFileName);
}

QString CSettingsFile::Read(const QString& section, const QString& key, const QString& defaultValue) const {
    return ReadProfileString(section, key, defaultValue, Path(), kSettingsBufferChars);
}

void CSettingsFile::ReadLogin(RouterInfo& info) const {
    info.address = ToNarrow(Read(kSettingSection, QStringLiteral("LAN IP"), QStringLiteral("192.168.0.1")));
    info.user = ToNarrow(Read(kSettingSection, QStringLiteral("User Name"), QStringLiteral("admin")));
    info.password = ToNarrow(Read(kSettingSection, QStringLiteral("Password"), QStringLiteral("kvmzt")));
}

QString CSettingsFile::ReadManualPath(int simpChinese) const {
    const QString key = simpChinese != 0 ? QStringLiteral("Manual Path") : QStringLiteral("Manual Path2");
    return Read(kSettingSection, key, QString());
}

QString CSettingsFile::GetSkinFontName() const {
    return Read(kFontSection, QStringLiteral("FontName"), QStringLiteral("Arial"));
}

EditFocusColors CSettingsFile::ReadEditFocusColors() const {
    EditFocusColors colors{kWhite, kBlack};  // kept where a value does not parse
    ParseColorTriplet(Read(kFontSection, QStringLiteral("EditFontColor"), QStringLiteral("255,255,255")),
                      colors.background);
    ParseColorTriplet(Read(kFontSection, QStringLiteral("EditBkColor"), QStringLiteral("0,0,0")),
                      colors.text);
    return colors;
}
