#pragma once
// The print preview of the payment card: fills it from the payment the editor
// shows and shows the pages, then closes.

#include "payments/PaymentCardWindow.h"

class TfrmStartup : public PaymentCardWindow {
    Q_OBJECT
public:
    explicit TfrmStartup(QWidget *parent = nullptr);

protected:
    void act() override;
};
