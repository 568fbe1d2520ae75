// The wizard's one message box: a shaped window with a picture by type, a
// bold title, the message and OK or Yes/No. Texts arrive already looked up.
#pragma once

#include "polygon_dialog.h"

#include <QString>

class CHwBtn_Pic;
class CHwDisplayPic;
class CHwStatic;

// Types: 1 warning (OK), 2 question (Yes/No), 3 information (OK); any other
// type shows OK and the picture with its number.
inline constexpr int kMessageWarning = 1;
inline constexpr int kMessageQuestion = 2;
inline constexpr int kMessageInformation = 3;

// Results: 1 OK, 6 Yes, 7 No, 2 when the box is closed with Escape.
inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;
inline constexpr int kResultYes = 6;
inline constexpr int kResultNo = 7;

inline constexpr int kMessageBoxTemplateId = 167;

class CDlgMessageBox : public CPolygonDialog {
    Q_OBJECT

public:
    // Control ids of the page's template (the tour and the tests use them).
    static constexpr int kIdPicture = 1163;
    static constexpr int kIdTitle = 1211;
    static constexpr int kIdMessage = 1212;
    static constexpr int kIdOk = 1;
    static constexpr int kIdYes = 6;
    static constexpr int kIdNo = 7;

    // Its pictures come from programDir's skin.
    explicit CDlgMessageBox(const QString& programDir, QWidget* parent = nullptr);

    void SetContent(int type, const QString& title, const QString& message);
    // The type decides the picture (MsgBox_<type>.bmp) and the buttons.
    int Type() const { return type_; }
    // The message as given; the label shows it broken into lines.
    const QString& Message() const { return message_; }

    bool UpdateData(bool saveAndValidate) override;

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* event) override;

private:
    void NameForReaders();

    QString programDir_;
    int type_ = kMessageInformation;
    QString title_;
    QString message_;
};

// Runs a message box with programDir's skin modally and returns its result.
int ShowMessageBox(const QString& programDir, int type, const QString& title, const QString& message);
