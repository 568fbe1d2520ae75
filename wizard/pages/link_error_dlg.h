// The window the main window shows when the link task could not reach or log
// in to the router: a picture that explains what to check, and Retry.
#pragma once

#include "polygon_dialog.h"

class CQelvaneApp;

inline constexpr int kLinkErrorTemplateId = 214;

class CLookInfo : public CPolygonDialog {
    Q_OBJECT

public:
    // Control ids of the page's template (the tour and the tests use them).
    static constexpr int kIdRetry = 1105;

    explicit CLookInfo(CQelvaneApp& app, QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;

private:
    CQelvaneApp& app_;
};
