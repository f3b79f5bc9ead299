// The sound player: which call words sound, and waits that never outlast the file's own sound
// nor hang on a file that is missing or broken.
#include "ui/wav_sound.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QtTest>

#include "ui_fixture.h"

namespace {

// A 16-bit mono PCM file of `ms` milliseconds at 8000 Hz; `claimed` replaces the data size in
// the header, as tools that write to a pipe leave it.
QByteArray Wav(int ms, quint32 claimed = 0) {
    const quint32 bytes = quint32(ms) * 16;
    QByteArray w;
    QDataStream out(&w, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF....WAVEfmt ", 16);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << (claimed ? claimed : bytes);
    return w + QByteArray(int(bytes), '\0');
}

}  // namespace

class WavSoundTest : public QObject {
    Q_OBJECT
private slots:
    void callWords_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("file");
        QTest::newRow("capitals") << "FLEK"
                                  << "wavs\\flek1.wav";
        QTest::newRow("mixed case") << "TuttiKaiser"
                                    << "wavs\\flek9.wav";
        QTest::newRow("the tenth level") << "chot"
                                         << "wavs\\flek0.wav";
        QTest::newRow("durch") << "Durch"
                               << "wavs\\durch.wav";
        QTest::newRow("a silent call") << "Flek_na_sedmu"
                                       << "";
        QTest::newRow("the suit game") << "barva"
                                       << "";
        QTest::newRow("only A to Z is lowered") << "CHOŤ"
                                                << "";
    }
    void callWords() {
        QFETCH(QString, word);
        QFETCH(QString, file);
        QCOMPARE(QString::fromStdString(std::string(CallWordFile(word.toStdString()))), file);
    }

    // A file that is there but no WAV is named once; a missing one is silent.
    void aFileThatIsNoWavIsNamedOnce() {
        TempFolder folder;
        folder.Write("wavs/karta.wav", "RIFF....WAVEjunk");
        TWavSound sound(true);
        QStringList told;
        sound.onBadFile = [&](const QString& text) { told << text; };
        sound.PlaySound("wavs\\karta.wav", false);
        sound.PlaySound("wavs\\karta.wav", true);
        sound.PlaySound("wavs\\missing.wav", false);
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].contains("wavs/karta.wav"), qPrintable(told[0]));
        QVERIFY(sound.lastPlayed().isEmpty());
    }

    void durationComesFromTheHeaderAndTheFile() {
        TempFolder folder;
        folder.Write("a.wav", Wav(300));
        folder.Write("piped.wav", Wav(300, 0x7fffffff));
        folder.Write("broken.wav", "RIFF....WAVEjunk");
        QCOMPARE(WavDurationMs("a.wav"), std::optional<int>(300));
        QCOMPARE(WavDurationMs("piped.wav"), std::optional<int>(300));
        QCOMPARE(WavDurationMs("broken.wav"), std::nullopt);
        QCOMPARE(WavDurationMs("missing.wav"), std::nullopt);
    }

    // The output is taken as present, so that only the files decide; this machine may have
    // none, and then the player never says that a sound has ended.
    void waitsEndWithTheSound() {
        TempFolder folder;
        folder.Write("wavs/flek1.wav", Wav(300, 0x7fffffff));
        folder.Write("wavs/broken.wav", "RIFF");
        TWavSound sound(true);
        QElapsedTimer clock;
        clock.start();
        sound.PlaySound("wavs\\missing.wav", false);
        sound.PlaySound("wavs\\broken.wav", false);
        QVERIFY(clock.elapsed() < 50);
        QVERIFY(sound.lastPlayed().isEmpty());

        sound.SayCall(2, "Flek_na_sedmu");
        QVERIFY(sound.lastPlayed().isEmpty());
        clock.restart();
        sound.SayCall(2, "FLEK");
        QCOMPARE(sound.lastPlayed(), QStringLiteral("wavs/flek1.wav"));
        QVERIFY2(clock.elapsed() >= 295 && clock.elapsed() < 1500,
                 qPrintable(QString::number(clock.elapsed())));

        clock.restart();
        sound.PlaySound("wavs\\flek1.wav", true);
        QVERIFY(clock.elapsed() < 50);
    }

    void aMachineWithoutOutputNeverWaits() {
        TempFolder folder;
        folder.Write("wavs/konec.wav", Wav(500));
        TWavSound sound(false);
        QElapsedTimer clock;
        clock.start();
        sound.PlaySound("wavs\\konec.wav", false);
        QVERIFY(clock.elapsed() < 50);
        QVERIFY(sound.lastPlayed().isEmpty());
    }
};

QTEST_MAIN(WavSoundTest)
#include "wav_sound_test.moc"
