#pragma once
// The date picker: a month calendar whose date goes to the opener, the payment
// editor's due date. Made, shown modally and destroyed by its opener.

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

class TfrmCalendario : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget *parent = nullptr);

    QLabel *lblCampo001;
    QCalendarWidget *calAppuntamenti;
    QPushButton *btnImportaData, *btnAnnulla;
    // Set by the opener: "data" sends the date to the payment editor.
    QLabel *lblMemory;

signals:
    // "Importa": the selected date, for the opener named in lblMemory.
    void dateChosen(QDate date);

private:
    void importDate();
};
