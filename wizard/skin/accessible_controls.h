// What a screen reader learns of the skinned controls that Qt alone would
// describe poorly: a label's text through the text interface (the result
// page's values are labels named after their captions), and a picture that
// has no name kept out of the reader's way as decoration; a drop-down list
// named by its caption, its choice readable as its text.
#pragma once

#include <QAccessibleWidget>

class QLabel;

// Text a reader may read but not change: what the control shows now, as
// Shown() gives it.
class ReadOnlyTextInterface : public QAccessibleTextInterface {
public:
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

protected:
    virtual QString Shown() const = 0;
    // Where the text is, on the screen: the control's rectangle.
    virtual QRect Area() const = 0;
};

// A label: static text whose name is its accessible name, or its text when it
// has none, and whose text is always readable, character by character.
class StaticTextAccessible : public QAccessibleWidget, public ReadOnlyTextInterface {
public:
    explicit StaticTextAccessible(QWidget* label);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    using ReadOnlyTextInterface::text;

protected:
    QString Shown() const override;
    QRect Area() const override { return rect(); }
};

// A picture: a graphic named by its accessible name; without one it is
// decoration, and says so by being neither visible nor showing to a reader.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(QWidget* picture);

    QAccessible::State state() const override;
};

// A drop-down list named by its caption (its accessible name, or the label
// whose buddy it is) with its choice as the value. Qt's own interface names
// it by the choice on Linux and leaves the caption to a relation, which not
// every reader follows.
class DropListAccessible : public QAccessibleWidget, public ReadOnlyTextInterface {
public:
    explicit DropListAccessible(QWidget* list);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    using ReadOnlyTextInterface::text;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

protected:
    // The choice, readable as text too, since the name is the caption.
    QString Shown() const override;
    QRect Area() const override { return rect(); }

private:
    QAccessibleInterface* Popup() const;
};

// Makes the skin's labels and pictures use the interfaces above; safe to call
// any number of times.
void InstallSkinAccessibility();
