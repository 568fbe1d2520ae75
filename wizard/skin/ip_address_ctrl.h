// An IPv4 address field in four boxes of one octet each, like the platform's
// address control: the value is 32 bits with the first octet in the most
// significant byte, and a blank field reads as 0.
#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

class QLineEdit;

class CIpAddressCtrl : public QWidget {
    Q_OBJECT

public:
    explicit CIpAddressCtrl(QWidget* parent = nullptr);

    // The four octets as one value; an empty box counts as 0.
    std::uint32_t GetAddress() const;
    // Shows all four octets (0 shows as 0.0.0.0).
    void SetAddress(std::uint32_t address);
    // Empties the four boxes.
    void ClearAddress();
    bool IsBlank() const;

    // The dotted text as shown, blanks as empty octets ("192.168..1").
    QString Text() const;

signals:
    void AddressChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FocusOctet(int index, bool selectAll);
    QColor BackgroundColour() const;
    void ApplyBackground();
    int IndexOf(QObject* box) const;

    std::array<QLineEdit*, 4> octets_{};
};
