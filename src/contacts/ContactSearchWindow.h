#pragma once
// Finds contacts by up to ten criteria at once, then lists them: the contact
// search and the contact import are this one window with two openers.

#include "lists/ContactLists.h"
#include "ui/ListWindow.h"

#include <QHash>
#include <QList>

class FieldRules;

class ContactSearchWindow : public ListWindow {
    Q_OBJECT
public:
    QWidget *panAvvio;
    QLineEdit *txtNome, *txtLocalita, *txtTel, *txtDataNasc, *txtCodFisc, *txtPartitaIva, *txtOccupazione,
        *txtProdotti, *txtQuestioni, *txtNote;
    QPushButton *btnCerca, *btnAnnulla;
    QLabel *lblAttendere, *lblConta, *lblMemory, *lblTrovate;

    // The boxes in the order of the criteria page, and their highlight frames.
    QList<QLineEdit *> criteriaBoxes() const { return m_boxes; }
    QWidget *frameOf(QLineEdit *box) const { return m_frames.value(box); }
    void search();

    void done(int result) override;

protected:
    ContactSearchWindow(const QString &name, const QString &caption, const QString &heading,
                        const QString &printTitle, QWidget *parent);
    void showEvent(QShowEvent *event) override;
    // Whether the opener named in lblMemory is the one this window serves.
    bool openedBy(const QString &opener) const;

private:
    ContactLists::Criteria criteria() const;
    QList<QLineEdit *> m_boxes;
    QHash<QLineEdit *, QWidget *> m_frames;
    FieldRules *m_rules;
};
