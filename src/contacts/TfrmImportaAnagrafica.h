#pragma once
// The contact search opened from the payment editor: a double-click hands the
// chosen contact, read again from the file, to the payment editor, which
// copies its name, telephone, mobile and e-mail into the payment.

#include "contacts/ContactSearchWindow.h"
#include "records/ContactRecord.h"

class TfrmImportaAnagrafica : public ContactSearchWindow {
    Q_OBJECT
public:
    explicit TfrmImportaAnagrafica(Opener opener = Opener::None, QWidget *parent = nullptr);

signals:
    void contactChosen(const ContactRecord &contact);

protected:
    void chooseRow(int row) override;
};
