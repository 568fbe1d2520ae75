// A stand-in for the main window, for tests of single pages: a real
// application object on the build's Language/ and setting.ini, the flow calls
// recorded, and set-up tasks answered from a script instead of run.
#pragma once

#include "language_choice.h"
#include "qelvane_app.h"
#include "wizard_host.h"

#include <QString>

#include <deque>
#include <vector>

class TestHost : public WizardHost {
public:
    // languageId: 1033 English, 2052 Simplified Chinese; programDir: where
    // setting.ini, Language/ and Skin/ are read, with its trailing separator.
    explicit TestHost(int languageId = 1033,
                      const QString& programDir = QStringLiteral(QELVANE_TEST_BIN_DIR "/"))
        : app_(programDir) {
        app_.ChooseLanguage(languageId);
    }
    ~TestHost() override { isSimpChinese = 0; }

    CQelvaneApp& App() override { return app_; }
    void SetCurrentPage(int index) override { currentPage = index; }
    void GoNext() override { nextCalls.push_back(currentPage); }
    int RunTask(int task) override {
        tasks.push_back(task);
        if (taskResults.empty()) {
            return -1;
        }
        const int result = taskResults.front();
        taskResults.pop_front();
        return result;
    }

    int currentPage = -1;
    std::vector<int> nextCalls;  // the current page at each GoNext
    std::vector<int> tasks;
    std::deque<int> taskResults;

private:
    CQelvaneApp app_;
};
