// Times the archive readers over a generated archive. One row per measurement:
// name, records, median seconds, and the ratio to each of two raw reads of
// the same file in the same run: the whole file read into one new buffer (the
// reference the speed targets are set against), and the file read in 1 MiB
// blocks into one reused buffer (the least any reader can do).
#include "BenchArchive.h"

#include "agenda/Imminence.h"
#include "export/OfficeHtmlWorkbook.h"
#include "agenda/PaymentGridWindows.h"
#include "agenda/PaymentGrids.h"
#include "agenda/TfrmAgenda.h"
#include "contacts/ContactGrid.h"
#include "journal/TfrmBilancio.h"
#include "contacts/TfrmExpAnagrafica.h"
#include "contacts/TfrmQuestioni.h"
#include "contacts/TfrmTrovaAnagrafica.h"
#include "contacts/TfrmAnagrafica.h"
#include "payments/PaymentListWindows.h"
#include "payments/TfrmTrovaScadenze.h"
#include "payments/TfrmArchivio_Scadenze.h"
#include "platform/GuiServices.h"
#include "platform/ProcessSettings.h"
#include "platform/RealServices.h"
#include "platform/Services.h"
#include "records/ContactRecord.h"
#include "records/PaymentRecord.h"
#include "records/RecordArchive.h"
#include "ui/widgets/RowList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The alarm is not part of what is measured, and a benchmark makes no sound.
class SilentAlarm : public AlarmPlayer {
public:
    bool load(const QString &) override { return false; }
    bool isLoaded() const override { return false; }
    void play() override { }
    void stop() override { }
};

// The editor's notices are not part of what is measured either.
class SilentDialogs : public Dialogs {
public:
    void message(QWidget *, MessageKind, const QString &) override { }
    bool question(QWidget *, const QString &) override { return false; }
};

// A contacts archive of n records: every field a realistic length, about one
// contact in five with something pending.
void writeBenchContacts(const QString &path, int n)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    QRandomGenerator rng(20250516);
    const QStringList first = {QStringLiteral("Mario"),     QStringLiteral("Giulia"), QStringLiteral("Luca"),
                               QStringLiteral("Francesca"), QStringLiteral("Andrea"), QStringLiteral("Chiara")};
    const QStringList last = {QStringLiteral("Rossi"),    QStringLiteral("Bianchi"), QStringLiteral("Verdi"),
                              QStringLiteral("Esposito"), QStringLiteral("Colombo"), QStringLiteral("Ricci"),
                              QStringLiteral("Marino"),   QStringLiteral("Greco")};
    const QStringList towns = {QStringLiteral("Bologna"), QStringLiteral("Modena"), QStringLiteral("Forlì"),
                               QStringLiteral("Ravenna"), QStringLiteral("Parma")};
    QByteArray block;
    for (int i = 0; i < n; ++i) {
        ContactRecord r;
        r.Nome = last.at(int(rng.bounded(last.size()))) + QLatin1Char(' ') + first.at(int(rng.bounded(first.size())));
        r.Indirizzo = QStringLiteral("Via della Repubblica");
        r.Num = QString::number(1 + i % 200);
        r.Cap01 = QStringLiteral("4");
        r.Cap02 = QStringLiteral("0");
        r.Cap03 = QStringLiteral("1");
        r.Cap04 = QString::number(i % 10);
        r.Cap05 = QString::number((i / 10) % 10);
        r.Localita = towns.at(int(rng.bounded(towns.size())));
        r.Prov01 = QStringLiteral("B");
        r.Prov02 = QStringLiteral("O");
        r.Tel = QStringLiteral("051 %1").arg(100000 + i % 900000);
        r.Email = QStringLiteral("cliente%1@example.it").arg(i + 1);
        r.DataNasc = QStringLiteral("%1/%2/%3")
                         .arg(1 + int(rng.bounded(28)), 2, 10, QLatin1Char('0'))
                         .arg(1 + int(rng.bounded(12)), 2, 10, QLatin1Char('0'))
                         .arg(1940 + int(rng.bounded(60)));
        r.Sesso = rng.bounded(2) ? QStringLiteral("M") : QStringLiteral("F");
        r.LuogoNasc = towns.at(int(rng.bounded(towns.size())));
        r.CodFisc = QStringLiteral("RSSMRA80A01A944%1").arg(QChar(u'A' + i % 26));
        r.PartitaIva = QStringLiteral("%1").arg(10000000000LL + i, 11, 10, QLatin1Char('0'));
        r.Iban = QStringLiteral("IT60X0542811101000000%1").arg(i, 6, 10, QLatin1Char('0'));
        r.Pec = QStringLiteral("cliente%1@pec.example.it").arg(i + 1);
        r.Cel = QStringLiteral("333 %1").arg(1000000 + i % 9000000);
        r.Cittadinanza = QStringLiteral("Italiana");
        r.Occupazione = QStringLiteral("Libero professionista");
        r.Civile = QStringLiteral("Coniugato");
        r.TipoDoc = QStringLiteral("Carta d'identità AX%1").arg(i, 7, 10, QLatin1Char('0'));
        r.EnteRil = QStringLiteral("Comune di Bologna");
        r.DataRil = QStringLiteral("10/10/2020");
        r.DataSca = QStringLiteral("10/10/2030");
        r.Prodotti = QStringLiteral("Consulenza fiscale e dichiarazione dei redditi");
        if (rng.bounded(5) == 0)
            r.Questioni = QStringLiteral("Documenti da consegnare entro fine mese");
        r.Note = QStringLiteral("Cliente dal %1").arg(2000 + i % 25);
        block += r.encode();
        if (block.size() > (1 << 22)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeIt(int runs, const std::function<void()> &work)
{
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        seconds.push_back(double(t.nsecsElapsed()) / 1e9);
    }
    return median(seconds);
}

// A window's control, found as the user finds it: by its name.
template <typename T>
T *control(const QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("%s has no control %s", qPrintable(window->objectName()), name);
    return found;
}

// The rows a list window lists, and the cells a grid window holds.
int listed(const QWidget *window) { return control<RowListView>(window, "lstRecords")->count(); }
const GridModel *gridModel(const QWidget *grid)
{
    return qobject_cast<const GridModel *>(control<QTableView>(grid, "grdRecords")->model());
}

}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ProcessSettings::apply();
    const int n = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int runs = 5;
    QTemporaryDir dir;
    Services::setProgramFolder(dir.path());
    const QDate today(2025, 5, 15);
    FixedClock clock(today);
    Services::setClock(&clock);
    SilentAlarm alarm;
    Services::setAlarmPlayer(&alarm);
    writeBenchArchive(PaymentArchive::path(), n, today);

    // records: the size of the archive the row ran over, when it is not n.
    struct Row {
        QString name;
        double seconds;
        int records = 0;
    };
    std::vector<Row> rows;
    long long sink = 0; // keeps the work from being optimised away

    rows.push_back({QStringLiteral("raw read, whole file"), timeIt(runs, [&] {
                        QFile f(PaymentArchive::path());
                        f.open(QIODevice::ReadOnly);
                        sink += f.readAll().size();
                    })});
    rows.push_back({QStringLiteral("raw read, 1 MiB blocks"), timeIt(runs, [&] {
                        QFile f(PaymentArchive::path());
                        f.open(QIODevice::ReadOnly);
                        QByteArray block(1 << 20, Qt::Uninitialized);
                        qint64 n;
                        while ((n = f.read(block.data(), block.size())) > 0)
                            sink += n;
                    })});
    rows.push_back({QStringLiteral("read and decode every record"), timeIt(runs, [&] {
                        PaymentArchive::read(0, [&](int &, const char *bytes, int) {
                            sink += PaymentRecord::decode(bytes).Data.size();
                        });
                    })});
    int imminent = 0;
    rows.push_back(
        {QStringLiteral("agenda scan"), timeIt(runs, [&] { imminent = int(scanImminent(today).rows.size()); })});
    {
        TfrmAgenda agenda;
        rows.push_back({QStringLiteral("agenda show"), timeIt(runs, [&] {
                            agenda.show();
                            QApplication::processEvents();
                            agenda.hide();
                        })});
    }

    {
        // The real player, muted. A damaged sound must leave the next show with
        // a valid one as fast as a show that never met a damaged one.
        MediaAlarmPlayer player;
        player.setMuted(true);
        Services::setAlarmPlayer(&player);
        QFile validFile(QStringLiteral(TARVENIO_ALARM_SOUND));
        validFile.open(QIODevice::ReadOnly);
        const QByteArray valid = validFile.readAll();
        QByteArray damaged(10 * 1024, Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(damaged.data()), damaged.size() / 4);
        const auto writeSound = [](const QByteArray &bytes) {
            QFile f(Services::programFile(QStringLiteral("Avviso.mp3")));
            f.open(QIODevice::WriteOnly | QIODevice::Truncate);
            f.write(bytes);
        };
        // Lets the backend report on the sound (an error comes a moment later).
        const auto settle = [](int ms) {
            QElapsedTimer t;
            t.start();
            while (t.elapsed() < ms)
                QApplication::processEvents(QEventLoop::AllEvents, 10);
        };
        TfrmAgenda agenda;
        const auto showOnce = [&] {
            agenda.show();
            QApplication::processEvents();
            agenda.hide();
        };
        writeSound(valid);
        showOnce(); // the media backend starts once per process: not measured
        settle(300);
        rows.push_back({QStringLiteral("agenda show with a valid sound"), timeIt(runs, [&] {
                            writeSound(valid);
                            showOnce();
                        })});
        std::vector<double> afterDamaged;
        for (int i = 0; i < runs; ++i) {
            writeSound(damaged);
            showOnce();
            settle(300);
            writeSound(valid);
            afterDamaged.push_back(timeIt(1, showOnce));
            settle(100);
        }
        rows.push_back({QStringLiteral("agenda show after a damaged sound"), median(afterDamaged)});
        Services::setAlarmPlayer(&alarm);
    }

    {
        rows.push_back({QStringLiteral("payment grid fill"), timeIt(runs, [&] {
                            TfrmExpScadenzario grid;
                            grid.show();
                            sink += gridModel(&grid)->rowCount();
                        })});
        TfrmExpScadenzario grid;
        grid.show();
        const GridModel *model = gridModel(&grid);
        const QString xls = Services::programFile(ExportLayouts::scadenzario().fileName);
        rows.push_back({QStringLiteral("payment grid export"), timeIt(runs, [&] {
                            QFile file(xls);
                            file.open(QIODevice::WriteOnly | QIODevice::Truncate);
                            OfficeHtmlWorkbook::write(file, ExportLayouts::scadenzario(), model->rowCount(),
                                                      [model](int r, int c) { return model->cell(r, c); });
                            sink += file.size();
                        })});
    }

    {
        // The summaries the agenda opens: imminent payments, a day, a month.
        rows.push_back({QStringLiteral("imminent grid fill"), timeIt(runs, [&] {
                            TfrmExpImminenti grid;
                            grid.show();
                            sink += gridModel(&grid)->rowCount();
                        })});
        rows.push_back({QStringLiteral("day grid fill"), timeIt(runs, [&] {
                            TfrmExpGiornaliere grid(today);
                            grid.show();
                            sink += gridModel(&grid)->rowCount();
                        })});
        rows.push_back({QStringLiteral("month grid fill"), timeIt(runs, [&] {
                            TfrmExpMensili grid(today);
                            grid.show();
                            sink += gridModel(&grid)->rowCount();
                        })});
    }

    {
        auto showList = [&](ListWindow &w) {
            w.show();
            QApplication::processEvents();
            sink += listed(&w);
            w.hide();
        };
        rows.push_back({QStringLiteral("list to settle"), timeIt(runs, [&] {
                            TfrmConfermati w;
                            showList(w);
                        })});
        rows.push_back({QStringLiteral("list overdue"), timeIt(runs, [&] {
                            TfrmScaduti w;
                            showList(w);
                        })});
        rows.push_back({QStringLiteral("list settled"), timeIt(runs, [&] {
                            TfrmAssolti w;
                            showList(w);
                        })});
        rows.push_back({QStringLiteral("search two criteria"), timeIt(runs, [&] {
                            TfrmTrovaScadenze w;
                            w.show();
                            control<QLineEdit>(&w, "txtContatto")->setText(QStringLiteral("rossi"));
                            control<QLineEdit>(&w, "txtCausale")->setText(QStringLiteral("affitto"));
                            w.search();
                            QApplication::processEvents();
                            sink += listed(&w);
                        })});
        SilentDialogs dialogs;
        Services::setDialogs(&dialogs);
        TfrmArchivio_Scadenze editor;
        // The same payment again as a card not yet saved: each save adds a record.
        const PaymentRecord copied = PaymentArchive::read(1);
        rows.push_back({QStringLiteral("editor first"), timeIt(runs, [&] { editor.browse(BrowseStep::First); })});
        rows.push_back({QStringLiteral("editor last"), timeIt(runs, [&] { editor.browse(BrowseStep::Last); })});
        rows.push_back({QStringLiteral("editor save over a record"), timeIt(runs, [&] { editor.save(); })});
        rows.push_back({QStringLiteral("editor save a new card"), timeIt(runs, [&] {
                            editor.ShowPaymentRecord(copied, 0);
                            editor.save();
                        })});
        // The saves must have landed: the archive grew by the new cards only.
        if (PaymentArchive::count() != n + runs || control<QLabel>(&editor, "lblPosizione")->text().toInt() != n + runs)
            qFatal("the editor's saves did not land");
        Services::setDialogs(nullptr);
    }

    {
        // The journal of a whole year: every one of the payments due in it.
        writeBenchYear(PaymentArchive::path(), n, 2025);
        rows.push_back({QStringLiteral("journal register, a whole year"), timeIt(runs, [&] {
                            TfrmBilancio w(QString(), QStringLiteral("01/01/2025"), QStringLiteral("31/12/2025"));
                            w.show();
                            QApplication::processEvents();
                            sink += listed(&w);
                            if (listed(&w) != n)
                                qFatal("the journal did not list the year");
                        })});
    }

    // The contacts: a registry of 50,000 cards (of 3831 bytes each), beside
    // the payments, whatever the number of payments asked for.
    const int contacts = 50000;
    writeBenchContacts(ContactArchive::path(), contacts);
    std::vector<Row> contactRows;
    contactRows.push_back({QStringLiteral("contacts raw read, whole file"), timeIt(runs, [&] {
                               QFile f(ContactArchive::path());
                               f.open(QIODevice::ReadOnly);
                               sink += f.readAll().size();
                           })});
    contactRows.push_back({QStringLiteral("contacts raw read, 1 MiB blocks"), timeIt(runs, [&] {
                               QFile f(ContactArchive::path());
                               f.open(QIODevice::ReadOnly);
                               QByteArray block(1 << 20, Qt::Uninitialized);
                               qint64 n;
                               while ((n = f.read(block.data(), block.size())) > 0)
                                   sink += n;
                           })});
    contactRows.push_back({QStringLiteral("contact search two criteria"), timeIt(runs, [&] {
                               TfrmTrovaAnagrafica w;
                               w.show();
                               control<QLineEdit>(&w, "txtNome")->setText(QStringLiteral("rossi"));
                               control<QLineEdit>(&w, "txtLocalita")->setText(QStringLiteral("bologna"));
                               w.search();
                               QApplication::processEvents();
                               sink += listed(&w);
                           })});
    contactRows.push_back({QStringLiteral("contact search, every contact"), timeIt(runs, [&] {
                               TfrmTrovaAnagrafica w;
                               w.show();
                               w.search();
                               QApplication::processEvents();
                               sink += listed(&w);
                           })});
    contactRows.push_back({QStringLiteral("pending-issues list"), timeIt(runs, [&] {
                               TfrmQuestioni w;
                               w.show();
                               QApplication::processEvents();
                               sink += listed(&w);
                           })});
    contactRows.push_back({QStringLiteral("contacts grid fill"), timeIt(runs, [&] {
                               TfrmExpAnagrafica grid;
                               grid.show();
                               QApplication::processEvents();
                               sink += gridModel(&grid)->rowCount();
                           })});
    {
        TfrmExpAnagrafica grid;
        grid.show();
        if (gridModel(&grid)->rowCount() != contacts)
            qFatal("the contacts grid did not fill");
        const GridModel *model = gridModel(&grid);
        const QString xls = Services::programFile(ExportLayouts::anagrafica().fileName);
        contactRows.push_back({QStringLiteral("contacts grid export"), timeIt(runs, [&] {
                                   QFile file(xls);
                                   file.open(QIODevice::WriteOnly | QIODevice::Truncate);
                                   OfficeHtmlWorkbook::write(file, ExportLayouts::anagrafica(), model->rowCount(),
                                                             [model](int r, int c) { return model->cell(r, c); });
                                   sink += file.size();
                               })});
    }

    {
        // The contact editor over the same archive.
        SilentDialogs dialogs;
        Services::setDialogs(&dialogs);
        TfrmAnagrafica editor;
        const ContactRecord copied = ContactArchive::read(1);
        const auto row = [&](const QString &name, const std::function<void()> &work) {
            contactRows.push_back({name, timeIt(runs, work)});
        };
        row(QStringLiteral("contact editor first"), [&] { editor.browse(BrowseStep::First); });
        row(QStringLiteral("contact editor last"), [&] { editor.browse(BrowseStep::Last); });
        row(QStringLiteral("contact editor save over a record"), [&] { editor.save(); });
        row(QStringLiteral("contact editor save a new contact"), [&] {
            editor.ShowContactRecord(0, copied);
            editor.save();
        });
        if (ContactArchive::count() != contacts + runs
            || control<QLabel>(&editor, "lblPosizione")->text().toInt() != contacts + runs)
            qFatal("the contact editor's saves did not land");
        Services::setDialogs(nullptr);
    }

    std::printf("name\trecords\tmedian seconds\tratio to the whole-file read\tratio to the block read\n");
    // Each group is measured against the two raw reads of its own file, its first two rows.
    const auto printGroup = [](const std::vector<Row> &group, int records) {
        const double raw = group[0].seconds;
        const double blocks = group[1].seconds;
        for (const Row &r : group)
            std::printf("%s\t%d\t%.6f\t%.2f\t%.1f\n", qPrintable(r.name), records, r.seconds,
                        raw > 0 ? r.seconds / raw : 0.0, blocks > 0 ? r.seconds / blocks : 0.0);
    };
    printGroup(rows, n);
    printGroup(contactRows, contacts);
    std::fprintf(stderr, "(%d imminent payments in the archive; checksum %lld)\n", imminent, sink);
    return 0;
}
