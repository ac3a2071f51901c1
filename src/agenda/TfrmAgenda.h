#pragma once
// The payment schedule app: imminent payments, the alert pictures and sound.

#include "agenda/Imminence.h"
#include "ui/windows/ResidentWindow.h"

class QCalendarWidget;
class QLabel;
class QPushButton;
class PictureButton;
class RowListView;

class TfrmAgenda : public ResidentWindow {
    Q_OBJECT
public:
    explicit TfrmAgenda(QWidget *parent = nullptr);

    bool isAlertState() const;
    // The list loading, also the click of the hidden btnCaricaLista.
    void loadList();

protected:
    void showEvent(QShowEvent *event) override;
    void handleClose() override;

private:
    QCalendarWidget *calAppuntamenti;
    PictureButton *btnGiorno, *btnMese, *btnArchivio, *appApriArchivio, *btnExcel, *btnStampa, *imgGuida, *imgEsci;
    RowListView *lstRecords;
    QLabel *imgAssenti, *imgPresenti, *imgAppuntamentiNO, *imgAppuntamentiSI;
    QPushButton *btnCaricaLista;

    void showHandling();
    void setAlertState(bool alert);
    void markToday();
    void soundAlarm();
    QLabel *m_lblConteggio;
    // What the last loading of the list read, for the show handling.
    ArchiveRead<QVector<ListRow>> m_lastScan {{}, 0, ReadOutcome::NotOpened};
};
