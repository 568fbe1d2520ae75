// A whole wizard run through the real widgets: the application object on the
// build's bin directory, the real library in front of an in-process simulated
// router, the main window, and a tour that clicks through it.
#pragma once

#include "language_choice.h"
#include "main_window.h"
#include "modal_watch.h"
#include "qelvane_app.h"
#include "real_router.h"
#include "wizard_tour.h"

#include <QApplication>
#include <QDialog>

#include <cstdio>
#include <memory>

class WizardRun {
public:
    // pause: how the set-up tasks wait (shortened in most tests).
    WizardRun(int languageId, PauseFunction pause) : app_(BinDirectory()) {
        app_.ChooseLanguage(languageId);
        app_.ReadLoginSettings();
        pause_ = std::move(pause);
    }
    ~WizardRun() {
        tour_.reset();
        window_.reset();
        router_.reset();
        binding_.Release(library_);
        isSimpChinese = 0;
    }

    // The simulated router accepts the login of the build's setting.ini.
    routersim::Options RouterOptions(char detectedMode) const {
        routersim::Options options;
        options.user = app_.routerInfo.user;
        options.password = app_.routerInfo.password;
        options.detectedMode = detectedMode;
        options.ispUser = kIspUser;
        options.ispPassword = kIspPassword;
        options.linkDelay = std::chrono::milliseconds(50);
        options.restartTime = std::chrono::milliseconds(200);
        return options;
    }

    // Starts the router and builds the window and its tour; false when
    // either could not be made.
    bool Start(const routersim::Options& options) {
        sim_ = std::make_unique<ScopedRouterSim>(options);
        if (!sim_->ok() || binding_.Load(BinDirectory(), library_) != LibraryLoadResult::Loaded) {
            return false;
        }
        router_ = std::make_unique<PortRedirectingObject>(*library_, sim_->port());
        app_.controlObject = router_.get();
        window_ = std::make_unique<CQelvaneDlg>(app_);
        window_->SetPauseFunction(pause_);
        // The link task's adapter reset must never touch this machine's adapters.
        window_->SetCommandRunner([](const std::string&) { return std::string(); });
        tour_ = std::make_unique<WizardTour>(*window_);
        tour_->SetStepTimeout(30000);
        if (qEnvironmentVariableIsSet("QELVANE_TOUR_LOG")) {
            tour_->SetLog([](const QString& step) { fprintf(stderr, "tour: %s\n", qPrintable(step)); });
        }
        return window_->Create();
    }

    // Runs the window with the tour's steps; the window's result. A failed
    // tour closes whatever is open so the test ends.
    int Run() {
        QObject::connect(tour_.get(), &WizardTour::Finished, tour_.get(), [this](bool ok) {
            if (!ok) {
                CloseEverything();
            }
        });
        tour_->Start(5);
        return window_->DoModal();
    }

    CQelvaneApp& app() { return app_; }
    CQelvaneDlg& window() { return *window_; }
    WizardTour& tour() { return *tour_; }
    routersim::RouterSim& router() { return **sim_; }
    PortRedirectingObject& controlObject() { return *router_; }

private:
    void CloseEverything() {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            modal != nullptr && modal != window_.get()) {
            modal->done(0);
            QTimer::singleShot(20, tour_.get(), [this] { CloseEverything(); });
            return;
        }
        window_->done(-1);
    }

    CQelvaneApp app_;
    PauseFunction pause_;
    std::unique_ptr<ScopedRouterSim> sim_;
    CLibraryBinding binding_;
    CDLLObject* library_ = nullptr;
    std::unique_ptr<PortRedirectingObject> router_;
    std::unique_ptr<CQelvaneDlg> window_;
    std::unique_ptr<WizardTour> tour_;
};
