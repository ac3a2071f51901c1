#pragma once
// Tells whether a payment card number passes the Luhn check and which kind of card it is.

#include "contacts/CheckWindow.h"

class TfrmCarta : public CheckWindow {
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget *parent = nullptr);

protected:
    void controlla() override;

private:
    EntryBox *txtNumero;
};
