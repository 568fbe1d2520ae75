// Pages 1-4: a picture of what to plug in where, a step number and one line
// of title. The four differ only in their step, so they share one class; the
// named classes are the ones the main window creates.
#pragma once

#include "wizard_page.h"

class CInstructionPage : public CWizardPage {
    Q_OBJECT

public:
    static constexpr int kIdTitle = 1171;
    static constexpr int kFirstStep = 1;
    static constexpr int kLastStep = 4;

    // Step 1 uses template 207, step 4 template 210.
    static constexpr int TemplateIdOf(int step) { return 206 + step; }

    int Step() const { return step_; }

protected:
    // step: kFirstStep to kLastStep.
    CInstructionPage(int step, WizardHost& host, QWidget* parent);

    void StylePage() override;

private:
    int step_;
};

class CSetup1Dlg : public CInstructionPage {
    Q_OBJECT
public:
    explicit CSetup1Dlg(WizardHost& host, QWidget* parent = nullptr) : CInstructionPage(1, host, parent) {}
};

class CSetup2Dlg : public CInstructionPage {
    Q_OBJECT
public:
    explicit CSetup2Dlg(WizardHost& host, QWidget* parent = nullptr) : CInstructionPage(2, host, parent) {}
};

class CSetup3Dlg : public CInstructionPage {
    Q_OBJECT
public:
    explicit CSetup3Dlg(WizardHost& host, QWidget* parent = nullptr) : CInstructionPage(3, host, parent) {}
};

class CSetup4Dlg : public CInstructionPage {
    Q_OBJECT
public:
    explicit CSetup4Dlg(WizardHost& host, QWidget* parent = nullptr) : CInstructionPage(4, host, parent) {}
};
