#pragma once
// The three attachment slots of the contact on screen: a file chosen for a slot
// is copied into the attachments folder at once; "Applica e chiudi" hands the
// names and descriptions back to the opener, which keeps them until it saves.

#include "ui/windows/Opener.h"

#include <QDialog>
#include <QStringList>

#include <array>

class PictureButton;
class QLineEdit;
class QPushButton;

class TfrmAllegaCartella : public QDialog {
    Q_OBJECT
public:
    // files, descriptions: the opener's slots 1 to 3. Only the contact editor
    // (Opener::ContactEditor) gets the slots back.
    explicit TfrmAllegaCartella(Opener opener = Opener::None, const QStringList &files = {},
                                const QStringList &descriptions = {}, QWidget *parent = nullptr);

    // Slot k is 1, 2 or 3.
    void browse(int k);
    void openFile(int k);
    void emptySlot(int k);
    void apply();

signals:
    // The trimmed file names and descriptions of slots 1 to 3.
    void attachmentsApplied(const QStringList &files, const QStringList &descriptions);

private:
    struct Slot {
        QLineEdit *file;
        QLineEdit *description;
        PictureButton *empty;
        QPushButton *browse;
        QPushButton *open;
    };
    Slot &slot(int k) { return m_slots[size_t(k - 1)]; }

    std::array<Slot, 3> m_slots {};
    Opener m_opener;
};
