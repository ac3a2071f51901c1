#pragma once
// The payment lists by settlement state.

#include "ui/windows/ListWindow.h"
#include "lists/PaymentLists.h"

class PaymentStatusWindow : public ListWindow {
    Q_OBJECT
public:
    PaymentStatus status() const { return m_status; }

protected:
    PaymentStatusWindow(PaymentStatus status, const QString &name, const QString &caption, const QString &printTitle,
                        QWidget *parent);
    void fill() override;

private:
    PaymentStatus m_status;
};

class TfrmConfermati : public PaymentStatusWindow {
    Q_OBJECT
public:
    explicit TfrmConfermati(QWidget *parent = nullptr);
};

class TfrmScaduti : public PaymentStatusWindow {
    Q_OBJECT
public:
    explicit TfrmScaduti(QWidget *parent = nullptr);
};

class TfrmAssolti : public PaymentStatusWindow {
    Q_OBJECT
public:
    explicit TfrmAssolti(QWidget *parent = nullptr);
};
