#pragma once
// The three attachment slots of the contact on screen: a file chosen for a slot
// is copied into the attachments folder at once; "Applica e chiudi" hands the
// names and descriptions back to the opener, which keeps them until it saves.

#include <QDialog>
#include <QStringList>

#include <array>

class PictureButton;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmAllegaCartella : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget *parent = nullptr);

    QLineEdit *txtFile01, *txtFile02, *txtFile03;
    QLineEdit *txtDesc01, *txtDesc02, *txtDesc03;
    PictureButton *imgCancella01, *imgCancella02, *imgCancella03;
    QPushButton *btnSfoglia01, *btnSfoglia02, *btnSfoglia03;
    QPushButton *btnApri01, *btnApri02, *btnApri03;
    QPushButton *btnAnnulla, *btnApplica;
    // Who opened the window; only "anagrafica" gets the slots back.
    QLabel *lblMemory;

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
};
