#pragma once
// Prints the payment card: fills it from the payment the editor shows and
// hands it to the printer dialog, then closes.

#include "payments/PaymentCardWindow.h"

class TfrmStampaScadenza : public PaymentCardWindow {
    Q_OBJECT
public:
    explicit TfrmStampaScadenza(QWidget *parent = nullptr);

protected:
    void act() override;
};
