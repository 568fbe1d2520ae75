// Each dialog shape of the wizard: the main window's face, the message box of
// every type, the link-error window in both languages and the progress window.
#include "button_skins.h"
#include "dialog_units.h"
#include "gallery_output.h"
#include "gallery_scenes.h"
#include "hw_button_kinds.h"
#include "hw_static.h"
#include "image_dialog.h"
#include "message_box.h"
#include "program_dir.h"
#include "skin_font.h"
#include "skin_path.h"

#include <QApplication>
#include <QPainterPath>

#include <memory>

namespace {

constexpr ControlTemplate kNoControls[] = {{0, ControlKind::Static, u"", 0, 0, 0, 0, kStyleHidden}};
constexpr DialogTemplate kMainFace{9100, 435, 308, false, kNoControls};
constexpr ControlTemplate kRetryControls[] = {{1105, ControlKind::Button, u"Retry", 145, 78, 50, 14}};
constexpr DialogTemplate kLinkError{9101, 338, 98, false, kRetryControls};
constexpr ControlTemplate kProgressControls[] = {
    {1173, ControlKind::Static, u"Connecting to the router, please wait...", 62, 8, 178, 36}};
constexpr DialogTemplate kProgress{9102, 302, 80, false, kProgressControls};

QString SkinPath(const QString& name) {
    return SkinFilePath(GetModuleDir(), name);
}

void Show(QWidget* dialog) {
    dialog->setAttribute(Qt::WA_DontShowOnScreen);
    dialog->show();
    QApplication::processEvents();
}

void SaveShapedFace(GalleryOutput& output, const QString& name, const DialogTemplate& dialogTemplate,
                    const QString& background) {
    RegisterDialogTemplate(dialogTemplate);
    CPolygonDialog dialog(dialogTemplate.id);
    dialog.SetBackground(background, kSkinKeyColour);
    dialog.Create();
    if (auto* retry = dialog.Item<CHwBtn_Pic>(1105)) {
        ApplyCommonButtonSkin(retry, false, CommonButtonStrip(GetModuleDir(), false));
    }
    Show(&dialog);
    output.Save(name, &dialog);
}

void SaveMessageBox(GalleryOutput& output, const QString& name, int type, const QString& title,
                    const QString& text) {
    CDlgMessageBox box(GetModuleDir());
    box.SetContent(type, title, text);
    box.Create();
    Show(&box);
    output.Save(name, &box);
}

void SaveProgress(GalleryOutput& output) {
    RegisterDialogTemplate(kProgress);
    CImageDialog dialog(kProgress.id);
    dialog.Create();
    dialog.SetKeepRegion(true);
    dialog.SetTransparentStatics(true);
    auto* label = dialog.Item<CHwStatic>(1173);
    label->SetTextFont(9, GetSkinFontName(), false, true, false, 0);
    for (int frame = 1; frame <= 5; frame += 2) {
        const QImage image(SkinPath(QStringLiteral("progress%1.png").arg(frame)).replace(u'\\', u'/'));
        dialog.SetBackgroundImage(&image);
        dialog.setFixedSize(image.size());
        QPainterPath outline;
        outline.addRoundedRect(QRectF(0, 0, image.width(), image.height()), 7.5, 7.5);
        dialog.setMask(QRegion(outline.toFillPolygon().toPolygon()));
        Show(&dialog);
        output.Save(QStringLiteral("progress_frame%1").arg(frame), &dialog);
    }
}

}  // namespace

void DrawDialogScenes(GalleryOutput& output) {
    SaveShapedFace(output, QStringLiteral("main_window_face"), kMainFace,
                   SkinPath(QStringLiteral("dlgMainUI.bmp")));
    SaveShapedFace(output, QStringLiteral("link_error_en"), kLinkError,
                   SkinPath(QStringLiteral("en\\link_error.bmp")));
    SaveShapedFace(output, QStringLiteral("link_error_cn"), kLinkError,
                   SkinPath(QStringLiteral("cn\\link_error.bmp")));
    SaveMessageBox(output, QStringLiteral("message_box_warning"), kMessageWarning, QStringLiteral("Warning"),
                   QStringLiteral("The IP address is not valid. Enter four numbers from 0 to 255, "
                                  "separated by dots."));
    SaveMessageBox(output, QStringLiteral("message_box_question"), kMessageQuestion, QStringLiteral("Exit"),
                   QStringLiteral("Do you want to leave the set-up wizard?"));
    SaveMessageBox(output, QStringLiteral("message_box_information"), kMessageInformation, QString(),
                   QStringLiteral("Connected to the router."));
    SaveMessageBox(output, QStringLiteral("message_box_chinese"), kMessageInformation, QStringLiteral("成功"),
                   QStringLiteral("您的上网方式是：   PPPoE"));
    SaveProgress(output);
}
