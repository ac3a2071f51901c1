// tarvenio_manual <Guida.md> <Guida.pdf> [<folder for the pictures>]
//
// Builds the user manual: brings the program up over a sample archive on a
// fixed day, on an off-screen display of its own, takes a picture of each
// window the manual shows and lays the Markdown out with them as a PDF. The
// pictures are also saved as PNG files when a folder is given.

#include "ManualDocument.h"
#include "SampleArchive.h"
#include "Screenshots.h"
#include "SilentServices.h"

#include "platform/ProcessSettings.h"
#include "platform/Services.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/Translations.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// An off-screen display of a fixed size, whatever machine builds the manual,
// so that the maximised windows come out the same everywhere.
QByteArray offscreenPlatform(const QString &folder)
{
    const QString config = folder + QStringLiteral("/screen.json");
    QFile file(config);
    const QByteArray json =
        QStringLiteral(R"({"windowFrameMargins": false, "screens": [{"name": "manuale", "x": 0, "y": 0, "width": %1,
        "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1.0}]})")
            .arg(Screenshots::ScreenWidth)
            .arg(Screenshots::ScreenHeight)
            .toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size())
        qFatal("cannot write %s", qPrintable(config));
    return "offscreen:configfile=" + QFile::encodeName(config);
}

// The off-screen platform says at every window that it ignores size hints;
// nothing else it says is dropped.
QtMessageHandler g_defaultHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    g_defaultHandler(type, context, message);
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

}

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: tarvenio_manual <Guida.md> <Guida.pdf> [<folder for the pictures>]\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    g_defaultHandler = qInstallMessageHandler(quietHandler);

    QTemporaryDir work;
    if (!work.isValid())
        qFatal("cannot make a temporary folder");
    // Never a real window, whatever display the build runs under.
    qputenv("QT_QPA_PLATFORM", offscreenPlatform(work.path()));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvenio"));
    QApplication::setApplicationVersion(QStringLiteral("3.0"));
    ProcessSettings::apply();
    Translations::installItalian();
    Look::install();

    const QString markdownPath = QString::fromLocal8Bit(argv[1]);
    const QString pdfPath = QString::fromLocal8Bit(argv[2]);
    const QString pictureFolder = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();

    const QString programFolder = work.path() + QStringLiteral("/Tarvenio");
    QDir().mkpath(programFolder);
    Services::setProgramFolder(programFolder);
    FixedClock fixedClock(SampleArchive::today(), QTime(9, 15));
    Services::setClock(&fixedClock);
    SilentDialogs dialogs;
    SilentFileDialogs fileDialogs;
    SilentShell shell;
    SilentAlarmPlayer alarm;
    SilentReportOutput reports;
    Services::setDialogs(&dialogs);
    Services::setFileDialogs(&fileDialogs);
    Services::setShell(&shell);
    Services::setAlarmPlayer(&alarm);
    Services::setReportOutput(&reports);

    SampleArchive::write();
    const QHash<QString, QImage> pictures = Screenshots::take(reports);
    if (!pictureFolder.isEmpty()) {
        QDir().mkpath(pictureFolder);
        for (auto it = pictures.begin(); it != pictures.end(); ++it)
            if (!it.value().save(pictureFolder + QLatin1Char('/') + it.key()))
                qWarning("cannot save %s", qPrintable(it.key()));
    }

    QString error;
    const bool written = ManualDocument::write(readText(markdownPath), pictures, pdfPath, &error);

    Services::setReportOutput(nullptr);
    Services::setAlarmPlayer(nullptr);
    Services::setShell(nullptr);
    Services::setFileDialogs(nullptr);
    Services::setDialogs(nullptr);
    Services::setClock(nullptr);
    Services::setProgramFolder({});
    if (!written) {
        std::fprintf(stderr, "tarvenio_manual: %s\n", qPrintable(error));
        return 1;
    }
    qInfo("manual made in %lld ms", static_cast<long long>(clock.elapsed()));
    return 0;
}
