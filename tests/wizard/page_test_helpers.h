// Small helpers for tests of single pages on a TestHost: open a page, type
// into its fields, answer the warning box it opens.
#pragma once

#include "dialog_base.h"
#include "hw_static.h"
#include "message_box.h"
#include "modal_watch.h"
#include "test_host.h"
#include "widget_test_app.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace page_test {

inline constexpr int kBoxTitle = CDlgMessageBox::kIdTitle;
inline constexpr int kBoxMessage = CDlgMessageBox::kIdMessage;

struct ShownBox {
    int count = 0;
    QString title;
    QString message;
    int type = 0;  // the picture's kind: kMessageWarning, kMessageInformation ...
};

// Answers the next message box with Enter and remembers what it said.
inline void AnswerNextBox(ShownBox& shown) {
    WhenModalShows([&shown](QWidget* modal) {
        auto* box = static_cast<CDialogBase*>(modal);
        ++shown.count;
        shown.title = box->Item<CHwStatic>(kBoxTitle)->text();
        shown.message = box->Item<CHwStatic>(kBoxMessage)->text();
        if (auto* messageBox = qobject_cast<CDlgMessageBox*>(modal)) {
            shown.type = messageBox->Type();
            shown.message = messageBox->Message();
        }
        QTest::keyClick(modal, Qt::Key_Return);
    });
}

inline QString Text(TestHost& host, QStringView key) {
    return host.App().languageTable.Lookup(key.toString());
}

// Created and shown as a window of its own.
template <typename Page>
std::unique_ptr<Page> OpenPage(TestHost& host) {
    WidgetTestApp();
    auto page = std::make_unique<Page>(host);
    EXPECT_TRUE(page->Create());
    page->show();
    page->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(page.get()));
    return page;
}

inline void TypeInto(CDialogBase& page, int id, const QString& text) {
    auto* edit = page.Item<QLineEdit>(id);
    edit->clear();
    QTest::keyClicks(edit, text);
}

inline QString FieldText(const CDialogBase& page, int id) {
    if (auto* edit = page.Item<QLineEdit>(id)) {
        return edit->text();
    }
    return page.Item<CHwStatic>(id)->text();
}

}  // namespace page_test
