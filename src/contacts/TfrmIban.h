#pragma once
// Tells whether an IBAN passes the remainder-97 test.

#include "contacts/CheckWindow.h"

class TfrmIban : public CheckWindow {
    Q_OBJECT
public:
    explicit TfrmIban(QWidget *parent = nullptr);

protected:
    void controlla() override;

private:
    EntryBox *txtIban;
};
