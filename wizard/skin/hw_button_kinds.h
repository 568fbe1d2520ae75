// The concrete skinned buttons: a picture push button, a link-like hot spot,
// and the check box / radio button with its own checked state.
#pragma once

#include "hw_button.h"

// The code a check box or radio button reports its change with (as a Win32
// notification code); the Qt side carries it as the CheckChanged signal.
inline constexpr int HWN_CHECKCHANGED = -4097;

class CHwBtn_Pic : public CHwBtn_Pub {
    Q_OBJECT

public:
    explicit CHwBtn_Pic(QWidget* parent = nullptr);
    void ApplyDefaultSkin() override;

protected:
    // For derived classes, which run InitControl themselves once they are
    // complete (a virtual call from here would reach this class only).
    CHwBtn_Pic(QWidget* parent, int stateCount);
};

class CHwBtn_Hotspot : public CHwBtn_Pub {
    Q_OBJECT

public:
    explicit CHwBtn_Hotspot(QWidget* parent = nullptr);
    void ApplyDefaultSkin() override;
};

// A check box (kind 2, the default) or radio button (kind 4). Clicks and the
// space bar change the checked state; checking a radio button unchecks the
// other radio buttons of its dialog group. Every change made by a click, a
// key or the group is announced with CheckChanged, while the control has a
// parent.
class CHwBtn_ChkRadio : public CHwBtn_Pic {
    Q_OBJECT

public:
    static constexpr int kKindCheckBox = kHwBtnKindCheckBox;
    static constexpr int kKindRadio = kHwBtnKindRadio;

    explicit CHwBtn_ChkRadio(QWidget* parent = nullptr);

    // Qt widgets carry no button style: the creator says which kind this is.
    void SetKind(int kind) { SetKindCode(kind); }
    void SetCheck(int state);
    int GetCheck() const { return checked_; }
    // The strip loaded at the first paint when none was loaded before.
    void SetImagePath(const QString& path) { imagePath_ = path; }
    QString ImagePath() const { return imagePath_; }

    void ApplyDefaultSkin() override;
    int GetStateIndex() const override;
    void InitControl() override;

signals:
    void CheckChanged(int controlId, CHwBtn_ChkRadio* control);

protected:
    void DrawItem(QPainter& painter) override;
    void DrawPlatformLook(QPainter& painter) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The checked state is ours; Qt's click must not flip it a second time.
    void nextCheckState() override {}

private:
    void ClickStep();
    void CheckChangeStep(int state);
    void GroupUncheck();
    void UncheckGroup();

    int checked_ = 0;
    QString imagePath_;
};
