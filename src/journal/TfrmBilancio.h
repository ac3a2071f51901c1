#pragma once
// The journal register: every payment of the interval (of one cause, when
// asked) in file order, with the incoming and outgoing totals and the balance.
// Find, print and help work on the list.

#include <QDialog>
#include <QString>

class PictureButton;
class QLabel;
class QLineEdit;
class QPushButton;
class RowListView;

class TfrmBilancio : public QDialog {
    Q_OBJECT
public:
    // cause: as typed in the query window (blanks only mean no cause);
    // start, end: the interval as "dd/mm/yyyy".
    TfrmBilancio(const QString &cause, const QString &start, const QString &end, QWidget *parent = nullptr);

    void find();
    void print();

    // The text "Trova" looked for last, kept for the whole run of the program
    // and shared by every register window.
    static QString lastSearch();
    static void forgetLastSearch();

    static QString unreadableWarning(int count);

signals:
    // The window closed: the opener hides its waiting label.
    void closed();

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    RowListView *lstRecords;
    QLabel *lblTipologia, *titCausale;
    QLabel *infIntervallo, *lblIntervallo;
    QLabel *titTotEntrate, *lblTotEntrate;
    QLabel *titTotUscite, *lblTotUscite;
    QLabel *infTotKmPercorsi, *lblBilancio;
    QLineEdit *txtTrova;
    QPushButton *btnTrova, *btnStampa, *btnEsci;
    QLabel *lblRigo01, *lblRigo02;
    PictureButton *imgGuida;
    QLabel *lblConta;

    QWidget *buildTotals();
    void load();

    QString m_cause, m_start, m_end;
    bool m_loaded = false;
};
