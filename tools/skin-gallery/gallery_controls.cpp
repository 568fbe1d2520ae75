// Buttons, hot spots, check boxes, edits and labels in each of their states.
#include "button_skins.h"
#include "gallery_output.h"
#include "gallery_scenes.h"
#include "hw_button_kinds.h"
#include "hw_edit.h"
#include "hw_static.h"
#include "page_skins.h"
#include "program_dir.h"
#include "settings_file.h"
#include "skin_font.h"
#include "skin_images.h"
#include "skin_path.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QMouseEvent>

#include <functional>

namespace {

// A light panel like a page, for controls that are drawn over a page.
QWidget* MakeHost(QSize size) {
    auto* host = new QWidget;
    host->setAttribute(Qt::WA_DontShowOnScreen);
    host->resize(size);
    host->setAutoFillBackground(true);
    QPalette palette = host->palette();
    palette.setColor(QPalette::Window, QColor(0xF5, 0xF8, 0xFC));
    host->setPalette(palette);
    host->show();
    return host;
}

void Focus(QWidget* control, bool in) {
    QFocusEvent event(in ? QEvent::FocusIn : QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(control, &event);
}

void Click(QWidget* control) {
    const QPointF centre = QRectF(control->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, control->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, control->mapToGlobal(centre), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &press);
    QCoreApplication::sendEvent(control, &release);
}

void Settle(CHwBtn_Pub* button) {
    button->UpdateLayout();
    QApplication::processEvents();
}

// Saves a button in normal, hover, pressed, focused and disabled state.
void SaveButtonStates(GalleryOutput& output, const QString& name, CHwBtn_Pub* button) {
    Settle(button);
    output.Save(name + QStringLiteral("_normal"), OnBackdrop(button));
    button->SetHovered(true);
    button->update();
    output.Save(name + QStringLiteral("_hover"), OnBackdrop(button));
    button->SetHovered(false);
    button->setDown(true);
    output.Save(name + QStringLiteral("_pressed"), OnBackdrop(button));
    button->setDown(false);
    Focus(button, true);
    output.Save(name + QStringLiteral("_focused"), OnBackdrop(button));
    Focus(button, false);
    button->setEnabled(false);
    output.Save(name + QStringLiteral("_disabled"), OnBackdrop(button));
    button->setEnabled(true);
}

}  // namespace

void DrawButtonScenes(GalleryOutput& output) {
    QWidget* host = MakeHost(QSize(420, 200));

    auto* next = new CHwBtn_Pic(host);
    next->setGeometry(20, 20, 75, 23);
    next->setText(QStringLiteral("Next"));
    ApplyCommonButtonSkin(next, false, CommonButtonStrip(GetModuleDir(), false));
    SaveButtonStates(output, QStringLiteral("button_common"), next);

    auto* ok = new CHwBtn_Pic(host);
    ok->setGeometry(120, 20, 57, 21);
    ok->setText(QStringLiteral("OK"));
    ApplyCommonButtonSkin(ok, true, CommonButtonStrip(GetModuleDir(), true));
    SaveButtonStates(output, QStringLiteral("button_little"), ok);

    auto* check = new CHwBtn_Pic(host);
    check->setGeometry(200, 20, 138, 23);
    check->setText(QStringLiteral("Check Accounts"));
    ApplyCommonButtonSkin(check, false, SkinFilePath(GetModuleDir(), u"Button_RestoreDefault.bmp"));
    SaveButtonStates(output, QStringLiteral("button_restore_default"), check);

    auto* link = new CHwBtn_Hotspot(host);
    link->setGeometry(20, 70, 153, 23);
    link->setText(QStringLiteral("Dynamic IP"));
    ApplyLinkButtonSkin(link, 0x000000, 0);
    Settle(link);
    output.Save(QStringLiteral("hotspot_normal"), OnBackdrop(link));
    link->SetHovered(true);
    output.Save(QStringLiteral("hotspot_hover"), OnBackdrop(link));
    link->SetHovered(false);
    Click(link);
    link->SetHovered(false);
    output.Save(QStringLiteral("hotspot_visited"), OnBackdrop(link));

    auto* box = new CHwBtn_ChkRadio(host);
    box->SetKind(CHwBtn_ChkRadio::kKindCheckBox);
    box->setGeometry(20, 120, 160, 20);
    box->setText(QStringLiteral("SSID Broadcast"));
    ApplyCheckSkin(box, GetModuleDir(), QString());
    const struct {
        bool checked, hover, enabled;
    } states[] = {{false, false, true}, {false, true, true},   {true, false, true},
                  {true, true, true},   {false, false, false}, {true, false, false}};
    for (int i = 0; i < 6; ++i) {
        box->SetCheck(states[i].checked ? 1 : 0);
        box->SetHovered(states[i].hover);
        box->setEnabled(states[i].enabled);
        Settle(box);
        output.Save(QStringLiteral("check_state%1").arg(i), OnBackdrop(box));
    }
    delete host;
}

void DrawFieldScenes(GalleryOutput& output) {
    QWidget* host = MakeHost(QSize(420, 120));
    auto* edit = new CHwEdit(host);
    edit->setGeometry(20, 20, 156, 23);
    edit->setText(QStringLiteral("user@isp"));
    ApplyEditSkin(edit, CSettingsFile(GetModuleDir()));
    output.Save(QStringLiteral("edit_normal"), OnBackdrop(edit));
    Focus(edit, true);
    output.Save(QStringLiteral("edit_focused"), OnBackdrop(edit));
    Focus(edit, false);
    edit->setReadOnly(true);
    output.Save(QStringLiteral("edit_read_only"), OnBackdrop(edit));
    delete host;

    // Labels with the page skins, transparent over a page background.
    auto* page = new QLabel;
    page->setAttribute(Qt::WA_DontShowOnScreen);
    const QImage background = LoadSkinImage(SkinFilePath(GetModuleDir(), u"Background2.bmp"));
    page->setPixmap(QPixmap::fromImage(background));
    page->resize(background.isNull() ? QSize(651, 345) : background.size());
    page->show();
    auto* number = new CHwStatic(page);
    number->setGeometry(24, 0, 45, 78);
    number->setText(QStringLiteral("6"));
    number->SetTextFont(30, GetSkinFontName(), true, true, false, 0);
    auto* title = new CHwStatic(page);
    title->setGeometry(66, 24, 480, 52);
    title->setWordWrap(true);
    title->setText(QStringLiteral("Enter the account your Internet provider gave you."));
    ApplyTitleSkin(title);
    auto* subtitle = new CHwStatic(page);
    subtitle->setGeometry(66, 90, 480, 20);
    subtitle->setText(QStringLiteral("A subtitle: notes about this step."));
    ApplySubtitleSkin(subtitle);
    auto* body = new CHwStatic(page);
    body->setGeometry(92, 145, 152, 15);
    body->setAlignment(Qt::AlignRight);
    body->setText(QStringLiteral("Account"));
    ApplyBodyTextSkin(body);
    auto* field = new CHwEdit(page);
    field->setGeometry(267, 137, 156, 23);
    ApplyEditSkin(field, CSettingsFile(GetModuleDir()));
    for (QWidget* child : page->findChildren<QWidget*>()) {
        child->show();
    }
    QApplication::processEvents();
    output.Save(QStringLiteral("labels_over_page"), page);
    delete page;
}
