#include "window_front_end.h"

#include <QDir>
#include <QFileInfo>

#include "link_error_dlg.h"
#include "message_box.h"
#include "native_path.h"
#include "qelvane_app.h"
#include "wizard_host.h"

int WindowFrontEnd::RunTask(int task) {
    const int result = host_.RunTask(task);
    NoteTaskResult(host_.Findings(), task, result);
    return result;
}

int WindowFrontEnd::Show(int type, const StepMessage& message) const {
    const CLanguageTable& table = host_.App().languageTable;
    const auto text = [&table](QStringView key) { return table.Lookup(key.toString()); };
    QString body = FormatStepText(text(message.textKey), message);
    if (!message.nameKey.isEmpty()) {
        body += message.separator.toString() + text(message.nameKey);
    }
    // A null key means no title; the "Save OK" box asks for the empty key
    // as its title, and gets what the table gives for it.
    const QString title = message.titleKey.isNull() ? QString() : text(message.titleKey);
    return ShowMessageBox(host_.App().ProgramDir(), type, title, body);
}

bool WindowFrontEnd::Tell(const StepMessage& message) {
    const int type = message.kind == StepMessageKind::Information ? kMessageInformation : kMessageWarning;
    return Show(type, message) == kResultOk;
}

Answer WindowFrontEnd::Ask(const StepMessage& question) {
    switch (Show(kMessageQuestion, question)) {
        case kResultYes:
            return Answer::Yes;
        case kResultNo:
            return Answer::No;
        default:
            return Answer::Closed;
    }
}

void WindowFrontEnd::ShowLinkError() {
    CLookInfo linkError(host_.App());
    linkError.DoModal();
}

RouterAddresses WindowFrontEnd::Router() const {
    return RouterAddressesOf(host_.App());
}

QString WindowFrontEnd::SettingsFile() const {
    const QString read = NativePath(host_.App().Settings().Path());
    const QString target = QFileInfo(read).canonicalFilePath();
    return QDir::toNativeSeparators(target.isEmpty() ? read : target);
}
