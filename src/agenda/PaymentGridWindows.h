#pragma once
// The four payment summaries: one design, different selections.

#include "agenda/GridWindow.h"
#include "agenda/PaymentGrids.h"

class PaymentGridWindow : public GridWindow {
    Q_OBJECT
public:
    PaymentGrid kind() const { return m_kind; }

protected:
    PaymentGridWindow(PaymentGrid kind, const QString &name, const QString &caption, const QString &title,
                      const ExportLayout &layout, QWidget *parent);
    void fill() override;
    // The day chosen in the agenda's calendar.
    virtual QDate calendarDay() const;

private:
    PaymentGrid m_kind;
};

class TfrmExpImminenti : public PaymentGridWindow {
    Q_OBJECT
public:
    explicit TfrmExpImminenti(QWidget *parent = nullptr);
};

class TfrmExpGiornaliere : public PaymentGridWindow {
    Q_OBJECT
public:
    explicit TfrmExpGiornaliere(QWidget *parent = nullptr);
};

class TfrmExpMensili : public PaymentGridWindow {
    Q_OBJECT
public:
    explicit TfrmExpMensili(QWidget *parent = nullptr);
};

class TfrmExpScadenzario : public PaymentGridWindow {
    Q_OBJECT
public:
    explicit TfrmExpScadenzario(QWidget *parent = nullptr);
};
