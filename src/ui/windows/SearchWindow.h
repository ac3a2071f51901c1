#pragma once
// A window that finds records by up to ten criteria, then lists them: the
// criteria page first, the results page (find, print, double-click) after a
// search, with no way back within one opening. The payment search, the
// contact search and the contact import are built on it.

#include "lists/ListRow.h"
#include "records/RecordArchive.h"
#include "ui/windows/ListWindow.h"

#include <QHash>
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
    QWidget *panAvvio;
    QPushButton *btnCerca, *btnAnnulla;
    QLabel *lblAttendere, *lblConta, *lblMemory, *lblTrovate;

    // The boxes in the order of the criteria page, and their highlight frames.
    QList<QLineEdit *> criteriaBoxes() const { return m_boxes; }
    QWidget *frameOf(QLineEdit *box) const { return m_frames.value(box); }
    // The boxes' texts as typed, in page order.
    QStringList criteriaTexts() const;
    // "Cerca": counts the filled-in criteria, reads the archive, shows the results.
    void search();

    void done(int result) override;

protected:
    SearchWindow(const QString &name, const QString &caption, const QString &heading, const QString &printTitle,
                 const QString &intro, const QVector<CriterionBox> &boxes, QWidget *parent);
    void showEvent(QShowEvent *event) override;
    // Whether the opener named in lblMemory is the one this window serves.
    bool openedBy(const QString &opener) const;

    // The rows found, each with its record number.
    virtual ArchiveRead<QVector<ListRow>> findRows() = 0;
    // The results page's count line.
    virtual QString countText(int rows) const = 0;

private:
    QList<QLineEdit *> m_boxes;
    QHash<QLineEdit *, QWidget *> m_frames;
    FieldRules *m_rules;
};
