// An IPv4 address field in four boxes of one octet each, like the platform's
// address control: the value is 32 bits with the first octet in the most
// significant byte, and a blank field reads as 0.
//
// Typing: a box that takes the focus (click, Tab, '.', or three digits in the
// box before) has its text selected, so what is typed replaces it. A key that
// would take a box past 255 is refused and a hint says so; the box keeps what
// it had. A dotted address pasted into a box fills the boxes from there on.
#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QTimer;

class CIpAddressCtrl : public QWidget {
    Q_OBJECT

public:
    explicit CIpAddressCtrl(QWidget* parent = nullptr);

    // The four octets as one value; an empty box counts as 0.
    std::uint32_t GetAddress() const;
    // Shows the four octets; 0 (the value pages start with) shows as a blank
    // field, which reads back as 0.
    void SetAddress(std::uint32_t address);
    // Empties the four boxes.
    void ClearAddress();
    bool IsBlank() const;

    // The dotted text as shown, blanks as empty octets ("192.168..1").
    QString Text() const;

    // The refusal hint while it shows; empty otherwise.
    QString HintText() const;

    // Names the field for screen readers: the field and each box, by its
    // place ("IP Address, 1 of 4"), in the language table's words.
    void SetFieldName(const QString& name);

signals:
    void AddressChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool OnOctetKey(int index, const QKeyEvent& key);
    // Pastes text into box index: a dotted address fills the boxes from index
    // on, a number goes in like typed digits. True when the paste was taken.
    bool Paste(int index, const QString& text);
    // Digits typed or pasted into box index; refused with the hint when the
    // box would hold more than 255.
    void InsertDigits(int index, const QString& digits);
    void ShowContextMenu(int index, const QPoint& globalPos);
    void ShowRangeHint(int index);
    void HideHint();
    void FocusOctet(int index, bool selectAll);
    QColor BackgroundColour() const;
    void ApplyBackground();
    int IndexOf(QObject* box) const;

    std::array<QLineEdit*, 4> octets_{};
    // Set while a click gives a box the focus: that press selects the box's
    // text instead of placing the caret.
    int clickFocusedOctet_ = -1;
    QLabel* hint_ = nullptr;
    QTimer* hintTimer_ = nullptr;
};
