#pragma once
// The date picker: a month calendar whose date goes to the opener, the payment
// editor's due date. Made, shown modally and destroyed by its opener.

#include "ui/windows/Opener.h"

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

class TfrmCalendario : public QDialog {
    Q_OBJECT
public:
    // Only the payment editor's due date (Opener::PaymentDueDate) gets a date.
    explicit TfrmCalendario(Opener opener = Opener::None, QWidget *parent = nullptr);

signals:
    // "Importa": the selected date, for the opener the picker serves.
    void dateChosen(QDate date);

private:
    void importDate();

    QLabel *lblCampo001;
    QCalendarWidget *calAppuntamenti;
    QPushButton *btnImportaData, *btnAnnulla;
    Opener m_opener;
};
