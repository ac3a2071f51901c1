#pragma once
// The four payment summaries: one design, different selections.

#include "ui/windows/GridWindow.h"
#include "agenda/PaymentGrids.h"

class PaymentGridWindow : public GridWindow {
    Q_OBJECT
public:
    PaymentGrid kind() const { return m_kind; }

protected:
    // calendarDay: the day chosen in the agenda's calendar, handed in by the
    // opener (the day and month summaries select by it).
    PaymentGridWindow(PaymentGrid kind, const QString &name, const QString &caption, const QString &title,
                      const ExportLayout &layout, QDate calendarDay, QWidget *parent);
    void fill() override;

private:
    PaymentGrid m_kind;
    QDate m_calendarDay;
};

class TfrmExpImminenti : public PaymentGridWindow {
    Q_OBJECT
public:
    explicit TfrmExpImminenti(QWidget *parent = nullptr);
};

class TfrmExpGiornaliere : public PaymentGridWindow {
    Q_OBJECT
public:
    explicit TfrmExpGiornaliere(QDate calendarDay, QWidget *parent = nullptr);
};

class TfrmExpMensili : public PaymentGridWindow {
    Q_OBJECT
public:
    explicit TfrmExpMensili(QDate calendarDay, QWidget *parent = nullptr);
};

class TfrmExpScadenzario : public PaymentGridWindow {
    Q_OBJECT
public:
    explicit TfrmExpScadenzario(QWidget *parent = nullptr);
};
