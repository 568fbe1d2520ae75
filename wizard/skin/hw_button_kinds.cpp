#include "hw_button_kinds.h"

#include "dialog_group.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionButton>

namespace {

constexpr int kPushButtonStates = 4;
constexpr int kCheckRadioStates = 6;

}  // namespace

CHwBtn_Pic::CHwBtn_Pic(QWidget* parent) : CHwBtn_Pic(parent, kPushButtonStates) {
    InitControl();
}

CHwBtn_Pic::CHwBtn_Pic(QWidget* parent, int stateCount) : CHwBtn_Pub(parent, stateCount) {}

void CHwBtn_Pic::ApplyDefaultSkin() {
    SetFocusRectVisible(false);
    const QString face = QStringLiteral("Times New Roman");
    SetStateFont(kAllButtonStates, 9, false, false, false, face);
    SetStateFont(kPushHovered, 9, true, false, false, face);
    SetStateFont(kPushPressed, 9, false, true, false, face);
    SetStateFont(kPushDisabled, 9, false, true, false, face);
    SetCursorFromResource(kPushNormal, Qt::PointingHandCursor);
    SetStateTextColor(kPushNormal, 0xB25125);
    SetStateTextColor(kPushHovered, 0xFAC800);
    SetStateTextColor(kPushPressed, 0xFFFFFF);
    SetTextFormat(kDtCenter | kDtVCenter | kDtSingleLine);
    SetAutoSize(true);
}

CHwBtn_Hotspot::CHwBtn_Hotspot(QWidget* parent) : CHwBtn_Pub(parent, kPushButtonStates) {
    InitControl();
}

void CHwBtn_Hotspot::ApplyDefaultSkin() {
    SetFocusRectVisible(false);
    SetStateFont(kAllButtonStates, 8, false, false, false, QStringLiteral("MS Sans Serif"));
    SetCursorFromResource(kPushNormal, Qt::PointingHandCursor);
    SetStateTextColor(kPushNormal, 0xB25125);
    SetStateTextColor(kPushHovered, 0x0000FF);
    SetStateTextColor(kPushPressed, 0x008080);
    SetVisitedColor(0x000080);
    SetAutoSize(true);
}

CHwBtn_ChkRadio::CHwBtn_ChkRadio(QWidget* parent) : CHwBtn_Pic(parent, kCheckRadioStates) {
    // Screen readers learn the checked state through Qt's own flag, which
    // follows ours.
    setCheckable(true);
    // Qt's flag can also be changed from outside, by a screen reader's toggle
    // action: the change is taken as the user's, so the drawn state and the
    // page's record follow. A radio button is not unchecked that way.
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (on == (checked_ != 0)) {
            return;
        }
        if (!on && (Kind() & kKindRadio) != 0) {
            setChecked(true);
            return;
        }
        CheckChangeStep(on ? 1 : 0);
    });
    InitControl();
}

void CHwBtn_ChkRadio::ApplyDefaultSkin() {
    SetFocusRectVisible(false);
    SetStateFont(kAllButtonStates, 7, false, false, false, QStringLiteral("MS Sans Serif"));
    SetCursorFromResource(kUncheckedNormal, Qt::PointingHandCursor);
    SetStateTextColor(kUncheckedNormal, 0xB25125);
    SetStateTextColor(kUncheckedHovered, 0xFAC800);
    SetStateTextColor(kCheckedNormal, 0x404000);
    SetStateTextColor(kCheckedHovered, 0x808000);
    SetStateTextColor(kDisabledUnchecked, 0x404040);
    SetStateTextColor(kDisabledChecked, 0x808080);
    SetVisitedColor(0x000080);
    SetAutoSize(false);
    SetLayout(ButtonLayoutMode::ImageLeftCaptionRight);
    SetTextFormat(kDtVCenter | kDtSingleLine);
}

int CHwBtn_ChkRadio::GetStateIndex() const {
    return CheckRadioStateIndex(isEnabled(), IsHovered(), checked_ != 0);
}

void CHwBtn_ChkRadio::InitControl() {
    if (IsInitialised()) {
        return;
    }
    CHwBtn_Pic::InitControl();
    // A new control starts unchecked whatever it was made with; the page sets
    // the state.
    SetKind(kKindCheckBox);
    checked_ = 0;
}

void CHwBtn_ChkRadio::SetCheck(int state) {
    checked_ = state;
    setChecked(state != 0);
    if ((Kind() & kKindRadio) != 0 && state != 0) {
        UncheckGroup();
    }
    RefreshState();
    RedrawParentArea(this);
}

void CHwBtn_ChkRadio::UncheckGroup() {
    QWidget* current = this;
    for (;;) {
        QWidget* next = GetNextDlgGroupItem(current, false);
        if (next == nullptr || next == this || next == current) {
            return;
        }
        // Only our own controls know the group message; others let it pass.
        if (auto* sibling = qobject_cast<CHwBtn_ChkRadio*>(next)) {
            sibling->GroupUncheck();
        }
        current = next;
    }
}

void CHwBtn_ChkRadio::GroupUncheck() {
    if (Kind() == kKindRadio) {
        CheckChangeStep(0);
    }
}

void CHwBtn_ChkRadio::ClickStep() {
    if ((Kind() & kKindCheckBox) != 0) {
        CheckChangeStep(checked_ == 0 ? 1 : 0);
    } else if ((Kind() & kKindRadio) != 0) {
        CheckChangeStep(1);
    }
}

void CHwBtn_ChkRadio::CheckChangeStep(int state) {
    SetCheck(state);
    if (parentWidget() != nullptr) {
        emit CheckChanged(ControlId(this), this);
    }
}

void CHwBtn_ChkRadio::DrawItem(QPainter& painter) {
    if (Strip().IsEmpty()) {
        LoadImageStripFromFile(StateCount(), kSkinKeyColour, imagePath_);
    }
    if (!IsOwnerDrawn()) {
        DrawPlatformLook(painter);
        return;
    }
    CHwBtn_Pic::DrawItem(painter);
}

void CHwBtn_ChkRadio::DrawPlatformLook(QPainter& painter) {
    QStyle::ControlElement element = QStyle::CE_PushButton;
    if (Kind() == kKindCheckBox) {
        element = QStyle::CE_CheckBox;
    } else if (Kind() == kKindRadio) {
        element = QStyle::CE_RadioButton;
    } else {
        CHwBtn_Pic::DrawPlatformLook(painter);
        return;
    }
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = text();
    option.state |= checked_ != 0 ? QStyle::State_On : QStyle::State_Off;
    if (isDown()) {
        option.state |= QStyle::State_Sunken;
    }
    style()->drawControl(element, &option, &painter, this);
}

void CHwBtn_ChkRadio::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPointer<CHwBtn_ChkRadio> alive(this);
        ClickStep();
        if (!alive) {
            return;
        }
    }
    CHwBtn_Pic::mouseReleaseEvent(event);
}

void CHwBtn_ChkRadio::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space && !event->isAutoRepeat()) {
        const QPointer<CHwBtn_ChkRadio> alive(this);
        ClickStep();
        if (!alive) {
            return;
        }
    }
    const bool arrow =
        key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
    if (arrow && Kind() == kKindRadio) {
        // Arrow keys move through the group and check what they land on, as
        // a dialog does with its radio buttons.
        QWidget* next = GetNextDlgGroupItem(this, key == Qt::Key_Up || key == Qt::Key_Left);
        if (next != nullptr && next != this) {
            next->setFocus(Qt::OtherFocusReason);
            if (auto* radio = qobject_cast<CHwBtn_ChkRadio*>(next);
                radio != nullptr && radio->Kind() == kKindRadio) {
                radio->ClickStep();
            }
        }
        event->accept();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Like a platform check box: Enter belongs to the dialog.
        event->ignore();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
