#pragma once
// A window that finds records by up to ten criteria, then lists them: the
// criteria page first, the results page (find, print, double-click) after a
// search, with no way back within one opening. The payment search, the
// contact search and the contact import are built on it.

#include "lists/ListRow.h"
#include "records/RecordArchive.h"
#include "ui/windows/ListWindow.h"
#include "ui/windows/Opener.h"

#include <QList>
#include <QStringList>
#include <QVector>

class FieldRules;

struct CriterionBox {
    const char *name;  // the box's object name
    const char *label; // the caption above it
    const char *frame; // its highlight frame's object name
};

class SearchWindow : public ListWindow {
    Q_OBJECT
public:
    // "Cerca": reads the archive, shows the results.
    void search();

    void done(int result) override;

protected:
    SearchWindow(const QString &name, const QString &caption, const QString &heading, const QString &printTitle,
                 const QString &intro, const QVector<CriterionBox> &boxes, Opener opener, QWidget *parent);
    void showEvent(QShowEvent *event) override;
    // Whether the window was opened by the one opener it serves.
    bool openedBy(Opener opener) const { return m_opener == opener; }
    // The boxes' texts as typed, in page order.
    QStringList criteriaTexts() const;

    // The rows found, each with its record number.
    virtual ArchiveRead<QVector<ListRow>> findRows() = 0;
    // The results page's count line.
    virtual QString countText(int rows) const = 0;

private:
    QWidget *panAvvio;
    QPushButton *btnCerca, *btnAnnulla;
    QLabel *lblAttendere, *lblConta, *lblTrovate;
    // The boxes in the order of the criteria page.
    QList<QLineEdit *> m_boxes;
    FieldRules *m_rules;
    Opener m_opener;
};
