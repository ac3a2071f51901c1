// The real alarm player behind the agenda (muted): a damaged sound is silent
// and leaves the next show with a valid one as it would be without it. How
// fast the agenda appears is the benchmark's to measure, not this test's.
#include "Controls.h"
#include "PaymentFixtures.h"
#include "TestServices.h"

#include "agenda/TfrmAgenda.h"
#include "app/TfrmAvvio.h"
#include "app/Windows.h"
#include "platform/RealServices.h"
#include "ui/widgets/PictureButton.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

class TestAlarmPlayer : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MediaAlarmPlayer> m_player;

    TfrmAgenda *agenda() const { return Windows::resident().agenda; }
    void openAgenda() { child<PictureButton>(Windows::resident().avvio, "btnApp02")->click(); }
    void writeDamagedSound()
    {
        QByteArray noise(10 * 1024, Qt::Uninitialized);
        QRandomGenerator random(20251210);
        random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        m_env->writeFile(QStringLiteral("Avviso.mp3"), noise);
    }
    void writeValidSound()
    {
        QFile sound(qEnvironmentVariable("TARVENIO_ASSETS") + QStringLiteral("/Avviso.mp3"));
        QVERIFY2(sound.open(QIODevice::ReadOnly), "the alarm sound of the assets is missing");
        m_env->writeFile(QStringLiteral("Avviso.mp3"), sound.readAll());
    }

private slots:
    void initTestCase()
    {
        if (!MediaAlarmPlayer::canPlayMp3())
            QSKIP("GStreamer cannot play mp3 on this machine");
    }
    void init()
    {
        m_env = std::make_unique<TestEnvironment>(QDate(2025, 5, 15));
        m_player = std::make_unique<MediaAlarmPlayer>();
        m_player->setMuted(true);
        Services::setAlarmPlayer(m_player.get());
        writePaymentArchive({makePayment(QStringLiteral("14/05/2025"))});
        Windows::create();
        Residents::switchTo(nullptr, Windows::resident().avvio);
    }
    void cleanup()
    {
        Windows::destroy();
        Services::setAlarmPlayer(nullptr);
        m_player.reset();
        m_env.reset();
    }

    void validSoundPlaysAndStopsOnClose()
    {
        writeValidSound();
        openAgenda();
        QVERIFY(agenda()->isVisible());
        QVERIFY(m_player->isLoaded());
        QVERIFY(m_player->isPlaying());
        QTRY_VERIFY(m_player->mediaStatus() == MediaAlarmPlayer::BufferedMedia
                    || m_player->mediaStatus() == MediaAlarmPlayer::EndOfMedia);
        agenda()->close();
        QVERIFY(!m_player->isPlaying());
    }

    void damagedThenValidSound()
    {
        writeDamagedSound();
        openAgenda();
        QVERIFY(agenda()->isVisible());
        // The backend finds out a moment later; from then on it is silent.
        QTRY_VERIFY(!m_player->isLoaded());
        QVERIFY(!m_player->isPlaying());
        agenda()->close();

        writeValidSound();
        openAgenda();
        QVERIFY(agenda()->isVisible());
        QVERIFY(m_player->isLoaded());
        QVERIFY(m_player->isPlaying());
        QTRY_VERIFY(m_player->mediaStatus() == MediaAlarmPlayer::BufferedMedia
                    || m_player->mediaStatus() == MediaAlarmPlayer::EndOfMedia);
        agenda()->close();
        QVERIFY(!m_player->isPlaying());

        // And a damaged one again after it: silent once more.
        writeDamagedSound();
        openAgenda();
        QTRY_VERIFY(!m_player->isLoaded());
        agenda()->close();
    }

    void missingSoundIsSilent()
    {
        openAgenda();
        QVERIFY(agenda()->isVisible());
        QVERIFY(!m_player->isLoaded());
        QVERIFY(!m_player->isPlaying());
        agenda()->close();
    }
};

QTEST_MAIN(TestAlarmPlayer)
#include "tst_alarmplayer.moc"
