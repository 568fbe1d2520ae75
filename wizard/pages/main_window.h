// The wizard's main window: a shaped window with thirteen pages in its page
// area, one shown at a time, and the Back, Next (Start/Next/Finish), Exit and
// Manual buttons, the web link and the product labels. It owns the page flow
// and starts the set-up tasks that the flow needs.
#pragma once

#include "adapter_reset.h"
#include "pause_function.h"
#include "polygon_dialog.h"
#include "wizard_host.h"

#include <QIcon>

#include <array>

class CHwBtn_Hotspot;
class CHwBtn_Pic;
class CQelvaneApp;
class CWizardPage;

// DoModal's result after Finish on the result page; the program exits with
// it. A confirmed close ends the window with 0.
inline constexpr int kFinishedResult = 1;

class CQelvaneDlg : public CPolygonDialog, public WizardHost {
    Q_OBJECT

public:
    // Control ids of the page's template (the tour and the tests use them).
    static constexpr int kIdWebLink = 1147;
    static constexpr int kIdPageArea = 1104;
    static constexpr int kIdBack = 1082;
    static constexpr int kIdNext = 1018;
    static constexpr int kIdExit = 1083;
    static constexpr int kIdModel = 1213;
    static constexpr int kIdProduct = 1214;
    static constexpr int kIdVersion = 1215;
    static constexpr int kIdManual = 1151;
    static constexpr int kIdAboutIcon = 1000;
    static constexpr int kIdAboutName = 1001;
    static constexpr int kIdAboutVersion = 1002;

    explicit CQelvaneDlg(CQelvaneApp& app, QWidget* parent = nullptr);
    ~CQelvaneDlg() override;

    // WizardHost.
    CQelvaneApp& App() override { return app_; }
    void SetCurrentPage(int index) override { currentPage_ = index; }
    void GoNext() override;
    int RunTask(int task) override;

    void ShowPage(int index);
    void UpdateButtons(int index);
    // The window keeps the page as its child from now on.
    void AddPage(CWizardPage* page);

    int CurrentPage() const { return currentPage_; }
    int PageCount() const { return pageCount_; }
    CWizardPage* Page(int index) const;

    // How set-up tasks wait between router operations (tests shorten it).
    void SetPauseFunction(PauseFunction pause) { pause_ = std::move(pause); }
    // What runs the adapter reset's tools (tests record instead of running).
    void SetCommandRunner(CAdapterReset::CommandRunner runner) { commandRunner_ = std::move(runner); }

    // The buttons' actions, as the buttons run them.
    void OnNext();
    void OnBack();
    void OnManual();
    void OnWebLink();
    void ShowAbout();

protected:
    bool OnInitDialog() override;
    // The close box and Exit ask first; Yes ends the wizard.
    void OnCancel() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void StyleControls();
    void CreatePages();
    void Finish();
    // Ends the window with result; the pages stay quiet until it is gone.
    void EndWizard(int result);

    CQelvaneApp& app_;
    // In flow order; each is this window's child and goes with it.
    std::array<CWizardPage*, 13> pages_{};
    int pageCount_ = 0;
    int currentPage_ = 0;
    PauseFunction pause_ = SleepFor;
    CAdapterReset::CommandRunner commandRunner_;
    QIcon icon_;
};

// Runs the main window modally for the application and returns its result:
// kFinishedResult after Finish, 0 after a confirmed close.
int RunMainWindow(CQelvaneApp& app);
