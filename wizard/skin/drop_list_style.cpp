#include "drop_list_style.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionComplex>

namespace {

constexpr int kFrame = 2;
constexpr int kArrowWidth = 15;

class ClassicDropListStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        if (control != CC_ComboBox || option == nullptr) {
            return QProxyStyle::subControlRect(control, option, part, widget);
        }
        const QRect box = option->rect;
        QRect rect;
        switch (part) {
            case SC_ComboBoxArrow:
                rect = QRect(box.right() - kFrame - kArrowWidth + 1, box.top() + kFrame, kArrowWidth,
                             box.height() - 2 * kFrame);
                break;
            case SC_ComboBoxEditField:
                rect = QRect(box.left() + kFrame, box.top() + kFrame, box.width() - 2 * kFrame - kArrowWidth,
                             box.height() - 2 * kFrame);
                break;
            default:
                return QProxyStyle::subControlRect(control, option, part, widget);
        }
        return visualRect(option->direction, box, rect);
    }
};

}  // namespace

QStyle* DropListStyle() {
    static QPointer<QStyle> style;
    if (style.isNull()) {
        style = new ClassicDropListStyle;
        style->setParent(qApp);
    }
    return style;
}
