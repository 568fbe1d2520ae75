#include "message_box.h"

#include "button_skins.h"
#include "dialog_translation.h"
#include "format_string.h"
#include "hw_button_kinds.h"
#include "hw_display_pic.h"
#include "hw_static.h"
#include "line_breaking.h"
#include "page_skins.h"
#include "reader_names.h"
#include "skin_font.h"
#include "skin_path.h"

#include <QApplication>

namespace {

// The box's layout in dialog units.
constexpr ControlTemplate kMessageBoxControls[] = {
    {CDlgMessageBox::kIdPicture, ControlKind::Picture, u"", 8, 12, 43, 41},
    {CDlgMessageBox::kIdTitle, ControlKind::Static, u"", 61, 5, 232, 18},
    // The message runs to the box's right margin.
    {CDlgMessageBox::kIdMessage, ControlKind::Static, u"", 61, 18, 257, 36},
    {CDlgMessageBox::kIdYes, ControlKind::Button, u"Yes", 110, 54, 38, 13, kStyleHidden | kStyleGroupStart},
    {CDlgMessageBox::kIdOk, ControlKind::Button, u"OK", 127, 54, 38, 13, kStyleDefaultButton},
    {CDlgMessageBox::kIdNo, ControlKind::Button, u"NO", 166, 54, 38, 13, kStyleHidden},
};

constexpr DialogTemplate kMessageBoxTemplate{kMessageBoxTemplateId, 328, 74, false, kMessageBoxControls};

}  // namespace

CDlgMessageBox::CDlgMessageBox(const QString& programDir, QWidget* parent)
    : CPolygonDialog(kMessageBoxTemplateId, parent), programDir_(programDir) {
    RegisterDialogTemplate(kMessageBoxTemplate);
    SetBackground(SkinFilePath(programDir_, u"DlgMessageBox.bmp"), kSkinKeyColour);
}

void CDlgMessageBox::SetContent(int type, const QString& title, const QString& message) {
    type_ = type;
    title_ = title;
    message_ = message;
}

bool CDlgMessageBox::OnInitDialog() {
    CPolygonDialog::OnInitDialog();
    auto* title = Item<CHwStatic>(kIdTitle);
    auto* message = Item<CHwStatic>(kIdMessage);
    ApplyBodyTextSkin(title);
    title->SetTextFont(12, GetSkinFontName(), true, false, false, 0);
    title->SetTextColor(0x000000);
    ApplyBodyTextSkin(message);
    message->SetTextColor(0x000000);

    auto* ok = Item<CHwBtn_Pic>(kIdOk);
    auto* yes = Item<CHwBtn_Pic>(kIdYes);
    auto* no = Item<CHwBtn_Pic>(kIdNo);
    for (CHwBtn_Pic* button : {ok, yes, no}) {
        ApplyCommonButtonSkin(button, true, CommonButtonStrip(programDir_, true));
    }
    connect(ok, &QAbstractButton::clicked, this, [this] { OnOK(); });
    connect(yes, &QAbstractButton::clicked, this, [this] { EndDialog(kResultYes); });
    connect(no, &QAbstractButton::clicked, this, [this] { EndDialog(kResultNo); });

    QApplication::beep();
    Item<CHwDisplayPic>(kIdPicture)
        ->LoadPicture(SkinFilePath(programDir_, FormatString(u"MsgBox_%d.bmp", type_)));

    const bool question = type_ == kMessageQuestion;
    yes->setVisible(question);
    no->setVisible(question);
    ok->setVisible(!question);
    (question ? yes : ok)->setFocus(Qt::OtherFocusReason);

    // A tool window has no taskbar entry; the box comes to the front once,
    // when it is shown, and does not stay above other windows.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);

    if (const CLanguageTable* table = ProgramLanguageTable()) {
        TranslateDialog(*table, *this);
    } else {
        UpdateData(false);
    }
    NameForReaders();
    return true;
}

void CDlgMessageBox::NameForReaders() {
    // A screen reader announces the box by its title, or by the message's
    // first line when it has none, then reads the whole message.
    QString name = ReaderText(Item<CHwStatic>(kIdTitle)->text());
    if (name.isEmpty()) {
        name = ReaderText(message_.section(QLatin1Char('\n'), 0, 0));
    }
    setAccessibleName(name);
    setAccessibleDescription(ReaderText(message_));
}

void CDlgMessageBox::showEvent(QShowEvent* event) {
    CPolygonDialog::showEvent(event);
    raise();
    activateWindow();
}

bool CDlgMessageBox::UpdateData(bool saveAndValidate) {
    if (!saveAndValidate) {
        Item<CHwStatic>(kIdTitle)->setText(title_);
        // Lines are broken here rather than by the label, which would split
        // a MAC at its colons.
        auto* message = Item<CHwStatic>(kIdMessage);
        message->setWordWrap(false);
        message->setText(
            BreakMessageLines(message_, message->fontMetrics(), message->contentsRect().width()).join(u'\n'));
    }
    return true;
}

int ShowMessageBox(const QString& programDir, int type, const QString& title, const QString& message) {
    CDlgMessageBox box(programDir);
    box.SetContent(type, title, message);
    return box.DoModal();
}
