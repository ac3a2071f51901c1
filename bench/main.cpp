// Times the archive readers over a generated archive. One row per measurement:
// name, records, median seconds, ratio to the raw read.
#include "BenchArchive.h"

#include "agenda/Imminence.h"
#include "export/OfficeHtmlWorkbook.h"
#include "agenda/PaymentGridWindows.h"
#include "agenda/PaymentGrids.h"
#include "agenda/TfrmAgenda.h"
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
#include "ui/RowList.h"

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
    void play() override {}
    void stop() override {}
};

// The editor's notices are not part of what is measured either.
class SilentDialogs : public Dialogs {
public:
    void message(QWidget *, MessageKind, const QString &) override {}
    bool question(QWidget *, const QString &) override { return false; }
};

// A contact archive of n records, every visible field filled as a real card
// would be, a few with attachments.
void writeContactArchive(const QString &path, int n)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    QRandomGenerator rng(20250516);
    const QStringList surnames = {QStringLiteral("Rossi"), QStringLiteral("Bianchi"), QStringLiteral("Ferrari"),
                                  QStringLiteral("Esposito"), QStringLiteral("Romano"), QStringLiteral("Colombo")};
    const QStringList towns = {QStringLiteral("Bologna"), QStringLiteral("Modena"), QStringLiteral("Forlì"),
                               QStringLiteral("Ferrara"), QStringLiteral("Parma")};
    QByteArray block;
    for (int i = 0; i < n; ++i) {
        ContactRecord c;
        const QString k = QString::number(i + 1);
        c.Nome = QStringLiteral("Cliente ") + k + QLatin1Char(' ') + surnames.at(int(rng.bounded(surnames.size())));
        c.Indirizzo = QStringLiteral("Via dei Mille");
        c.Num = QString::number(rng.bounded(200) + 1);
        const QString cap = QStringLiteral("%1").arg(40100 + int(rng.bounded(900)));
        c.Cap01 = cap.mid(0, 1);
        c.Cap02 = cap.mid(1, 1);
        c.Cap03 = cap.mid(2, 1);
        c.Cap04 = cap.mid(3, 1);
        c.Cap05 = cap.mid(4, 1);
        c.Localita = towns.at(int(rng.bounded(towns.size())));
        c.Prov01 = QStringLiteral("B");
        c.Prov02 = QStringLiteral("O");
        c.Tel = QStringLiteral("051 ") + k;
        c.Email = QStringLiteral("cliente%1@example.it").arg(i + 1);
        c.DataNasc = QStringLiteral("12/03/1975");
        c.Sesso = rng.bounded(2) ? QStringLiteral("M") : QStringLiteral("F");
        c.LuogoNasc = c.Localita;
        c.CodFisc = QStringLiteral("RSSMRA75C12A944X");
        c.PartitaIva = QStringLiteral("01234567890");
        c.Iban = QStringLiteral("IT60X0542811101000000123456");
        c.Pec = QStringLiteral("cliente%1@pec.example.it").arg(i + 1);
        c.Cel = QStringLiteral("333 ") + k;
        c.Cittadinanza = QStringLiteral("Italiana");
        c.Occupazione = QStringLiteral("Libero professionista");
        c.TipoDoc = QStringLiteral("Carta d'identità CA") + k;
        c.Prodotti = QStringLiteral("Consulenza fiscale");
        c.Questioni = rng.bounded(10) == 0 ? QStringLiteral("Attende la dichiarazione") : QString();
        c.Note = QStringLiteral("Scheda di prova n. ") + k;
        if (rng.bounded(5) == 0) {
            c.File01 = QStringLiteral("documento_") + k + QStringLiteral(".pdf");
            c.Desc01 = QStringLiteral("Documento d'identità");
        }
        block += c.encode();
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

}

int main(int argc, char *argv[])
{
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
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
    writeBenchArchive(paymentFilePath(), n, today);

    // records: the size of the archive the row ran over, when it is not n.
    struct Row { QString name; double seconds; int records = 0; };
    std::vector<Row> rows;
    long long sink = 0; // keeps the work from being optimised away

    // The least any reader must do: every byte of the file, in large reads
    // into one buffer. Every other row is a ratio to this.
    rows.push_back({QStringLiteral("raw read"), timeIt(runs, [&] {
        QFile f(paymentFilePath());
        f.open(QIODevice::ReadOnly);
        QByteArray block(1 << 20, Qt::Uninitialized);
        qint64 n;
        while ((n = f.read(block.data(), block.size())) > 0)
            sink += n;
    })});
    rows.push_back({QStringLiteral("read and decode every record"), timeIt(runs, [&] {
        PaymentArchive::forEachRecord([&](const PaymentRecord &r, int) { sink += r.Data.size(); });
    })});
    int imminent = 0;
    rows.push_back({QStringLiteral("agenda scan"), timeIt(runs, [&] {
        imminent = int(scanImminent(today).rows.size());
    })});
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
            sink += grid.model()->rowCount();
        })});
        TfrmExpScadenzario grid;
        grid.show();
        const GridModel *model = grid.model();
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
        auto showList = [&](ListWindow &w) {
            w.show();
            QApplication::processEvents();
            sink += w.lstRecords->count();
            w.hide();
        };
        rows.push_back({QStringLiteral("list to settle"), timeIt(runs, [&] { TfrmConfermati w; showList(w); })});
        rows.push_back({QStringLiteral("list overdue"), timeIt(runs, [&] { TfrmScaduti w; showList(w); })});
        rows.push_back({QStringLiteral("list settled"), timeIt(runs, [&] { TfrmAssolti w; showList(w); })});
        rows.push_back({QStringLiteral("search two criteria"), timeIt(runs, [&] {
            TfrmTrovaScadenze w;
            w.show();
            w.txtContatto->setText(QStringLiteral("rossi"));
            w.txtCausale->setText(QStringLiteral("affitto"));
            w.search();
            QApplication::processEvents();
            sink += w.lstRecords->count();
        })});
        SilentDialogs dialogs;
        Services::setDialogs(&dialogs);
        TfrmArchivio_Scadenze editor;
        rows.push_back({QStringLiteral("editor first"), timeIt(runs, [&] {
            editor.browse(BrowseStep::First);
        })});
        rows.push_back({QStringLiteral("editor last"), timeIt(runs, [&] {
            editor.browse(BrowseStep::Last);
        })});
        rows.push_back({QStringLiteral("editor save over a record"), timeIt(runs, [&] {
            editor.save();
        })});
        rows.push_back({QStringLiteral("editor save a new card"), timeIt(runs, [&] {
            editor.card().setNumber(0);
            editor.save();
        })});
        // The saves must have landed: the archive grew by the new cards only.
        if (PaymentArchive::count() != n + runs || editor.lblPosizione->text().toInt() != n + runs)
            qFatal("the editor's saves did not land");
        Services::setDialogs(nullptr);
    }

    {
        // The contact editor over an archive of its own size.
        const int contacts = 50000;
        writeContactArchive(contactFilePath(), contacts);
        SilentDialogs dialogs;
        Services::setDialogs(&dialogs);
        TfrmAnagrafica editor;
        const auto row = [&](const QString &name, const std::function<void()> &work) {
            rows.push_back({name, timeIt(runs, work), contacts});
        };
        row(QStringLiteral("contact editor first"), [&] { editor.browse(BrowseStep::First); });
        row(QStringLiteral("contact editor last"), [&] { editor.browse(BrowseStep::Last); });
        row(QStringLiteral("contact editor save over a record"), [&] { editor.save(); });
        row(QStringLiteral("contact editor save a new contact"), [&] {
            editor.card().setNumber(0);
            editor.save();
        });
        if (ContactArchive::count() != contacts + runs || editor.lblPosizione->text().toInt() != contacts + runs)
            qFatal("the contact editor's saves did not land");
        Services::setDialogs(nullptr);
    }

    std::printf("name\trecords\tmedian seconds\tratio to the raw read\n");
    const double raw = rows.front().seconds;
    for (const Row &r : rows)
        std::printf("%s\t%d\t%.6f\t%.1f\n", qPrintable(r.name), r.records ? r.records : n, r.seconds,
                    raw > 0 ? r.seconds / raw : 0.0);
    std::fprintf(stderr, "(%d imminent payments in the archive; checksum %lld)\n", imminent, sink);
    return 0;
}
