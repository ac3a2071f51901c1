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
#include "payments/PaymentListWindows.h"
#include "payments/TfrmTrovaScadenze.h"
#include "payments/TfrmArchivio_Scadenze.h"
#include "platform/GuiServices.h"
#include "platform/ProcessSettings.h"
#include "platform/RealServices.h"
#include "platform/Services.h"
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

    struct Row { QString name; double seconds; };
    std::vector<Row> rows;
    long long sink = 0; // keeps the work from being optimised away

    rows.push_back({QStringLiteral("raw read, whole file"), timeIt(runs, [&] {
        QFile f(paymentFilePath());
        f.open(QIODevice::ReadOnly);
        sink += f.readAll().size();
    })});
    rows.push_back({QStringLiteral("raw read, 1 MiB blocks"), timeIt(runs, [&] {
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

    std::printf("name\trecords\tmedian seconds\tratio to the whole-file read\tratio to the block read\n");
    const double raw = rows[0].seconds;
    const double blocks = rows[1].seconds;
    for (const Row &r : rows)
        std::printf("%s\t%d\t%.6f\t%.2f\t%.1f\n", qPrintable(r.name), n, r.seconds, raw > 0 ? r.seconds / raw : 0.0,
                    blocks > 0 ? r.seconds / blocks : 0.0);
    std::fprintf(stderr, "(%d imminent payments in the archive; checksum %lld)\n", imminent, sink);
    return 0;
}
