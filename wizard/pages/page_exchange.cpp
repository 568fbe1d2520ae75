#include "page_exchange.h"

#include "dialog_base.h"
#include "ip_address_ctrl.h"

#include <QComboBox>
#include <QLineEdit>

void ExchangeText(CDialogBase& dialog, int controlId, QString& value, bool save, int limit) {
    auto* edit = dialog.Item<QLineEdit>(controlId);
    if (edit == nullptr) {
        return;
    }
    if (save) {
        value = limit > 0 ? edit->text().left(limit) : edit->text();
    } else {
        edit->setText(value);
    }
}

void ExchangeAddress(CDialogBase& dialog, int controlId, std::uint32_t& value, bool save) {
    auto* address = dialog.Item<CIpAddressCtrl>(controlId);
    if (address == nullptr) {
        return;
    }
    if (save) {
        value = address->GetAddress();
    } else {
        address->SetAddress(value);
    }
}

void ExchangeListIndex(CDialogBase& dialog, int controlId, int& index, bool save) {
    auto* list = dialog.Item<QComboBox>(controlId);
    if (list == nullptr) {
        return;
    }
    if (save) {
        index = list->currentIndex();
    } else {
        list->setCurrentIndex(index);
    }
}
