#pragma once
// A modal window listing fixed-width rows: find a text in the list, print it,
// double-click a row to hand its record to the opener. The payment lists, the
// payment search and the contact lookups are built on it.

#include "lists/ListRow.h"

#include <QDialog>
#include <QVector>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedLayout;
class RowListView;

class ListWindow : public QDialog {
    Q_OBJECT
public:
    ListWindow(const QString &name, const QString &caption, const QString &heading, const QString &printTitle,
               QWidget *parent = nullptr);

    // "Trova": the next row containing the text of txtTrova.
    void find();
    void print();

signals:
    // A row was double-clicked: its record's 1-based number.
    void recordChosen(int number);

protected:
    // The results page.
    QWidget *panContainer;
    QLineEdit *txtTrova;
    RowListView *lstRecords;
    void showEvent(QShowEvent *event) override;
    // Fills the list from the archive; called each time the program shows the
    // window. A search fills it on "Cerca" instead, and leaves this empty.
    virtual void fill() { }
    // The archive could not be read (at all, or to the end): the user is told,
    // once the window is on screen; the rows read before the failure stay listed.
    void readFailed();
    // The pages of the window, the results page among them.
    QStackedLayout *pages() const { return m_pages; }
    void setRows(QVector<ListRow> rows);
    // Hands the chosen record to the opener; the window then closes.
    virtual void chooseRow(int row);
    void resetSearch();

private:
    QPushButton *btnTrova, *btnStampa, *btnChiudi;
    QLabel *lblRigo03;
    QStackedLayout *m_pages;
    QString m_printTitle;
    QString m_lastSearch;
};
