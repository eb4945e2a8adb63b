// The mark pictures, the synthesised alarm tune and its playing, the help page
// written beside them, and the About box's game with its stored best score.
#include "settings/GeneralSettings.h"
#include "settings/SettingsStore.h"
#include "settings/TextFiles.h"
#include "support/TempProfile.h"
#include "ui/AlarmPlayer.h"
#include "ui/HarpTune.h"
#include "ui/HelpPage.h"
#include "ui/Icons.h"
#include "ui/TfrmAbout.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPicture>
#include <QPushButton>
#include <QSoundEffect>
#include <QTest>
#include <QXmlStreamReader>
#include <QtEndian>
#include <cmath>

namespace {
quint32 le32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 le16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

// The colour most of the opaque pixels lean to: 'r', 'g', 'b' or 'k' (dark).
char dominant(const QImage& image) {
    long r = 0, g = 0, b = 0, dark = 0, opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 128) continue;
            ++opaque;
            if (c.value() < 60) ++dark;
            r += c.red();
            g += c.green();
            b += c.blue();
        }
    if (opaque == 0) return '?';
    if (dark * 2 > opaque) return 'k';
    if (r > g && r > b) return 'r';
    return g > b ? 'g' : 'b';
}
} // namespace

class TestPicturesAndSound : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void markPictures_data();
    void markPictures();
    void markPicturesAreDistinct();
    void markPicturesFillTheirPlace_data();
    void markPicturesFillTheirPlace();
    void harpTuneIsAPlayableWave();
    void harpTuneIsPlacedOnlyWhenMissing();
    void alarmPlaysWithoutSoundDevice();
    void helpPageIsWholeAndOfThisVersion();
    void gameScores();
    void aboutKeepsBestScoreAsPoints_data();
    void aboutKeepsBestScoreAsPoints();
};

void TestPicturesAndSound::markPictures_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<char>("colour");
    QTest::newRow("B0-red-check") << 0 << 'r';
    QTest::newRow("B1-blue-question") << 1 << 'b';
    QTest::newRow("B2-black-check") << 2 << 'k';
    QTest::newRow("B7-heart") << 7 << 'r';
    QTest::newRow("B11-green-arrow") << 11 << 'g';
    QTest::newRow("B12-one-dot") << 12 << 'k';
}

void TestPicturesAndSound::markPictures() {
    QFETCH(int, state);
    QFETCH(char, colour);
    const QPixmap pm = Icons::markPixmap(state);
    QCOMPARE(pm.size(), QSize(16, 16));
    QCOMPARE(dominant(pm.toImage()), colour);
}

void TestPicturesAndSound::markPicturesAreDistinct() {
    QList<QImage> images;
    for (int state = 0; state < Icons::MarkCount; ++state) {
        const QImage image = Icons::markPixmap(state).toImage();
        QVERIFY2(!image.isNull(), qPrintable(QString::number(state)));
        for (int other = 0; other < images.size(); ++other)
            QVERIFY2(image != images[other],
                     qPrintable(QStringLiteral("B%1 = B%2").arg(state).arg(other)));
        images << image;
    }
    QVERIFY(Icons::mark(-1).isNull());
    QVERIFY(Icons::mark(Icons::MarkCount).isNull());
    for (const char* name : {"ANIM1", "ANIM2", "hammer", "bye", "door", "stop", "up", "down"})
        QVERIFY2(!Icons::named(QLatin1String(name)).isNull(), name);
}

void TestPicturesAndSound::markPicturesFillTheirPlace_data() {
    QTest::addColumn<bool>("recorded"); // painted as for a printer, then played back
    QTest::addColumn<int>("side");
    QTest::newRow("list-row") << false << 16;
    QTest::newRow("large-picture") << false << 240;
    QTest::newRow("printed-cell") << true << 240;
}

// A mark picture fills the place it is painted into, as large as a printer's
// cell at its resolution, not a speck of its largest prepared size.
void TestPicturesAndSound::markPicturesFillTheirPlace() {
    QFETCH(bool, recorded);
    QFETCH(int, side);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (recorded) {
        QPicture picture;
        QPainter rec(&picture);
        Icons::mark(0).paint(&rec, QRect(0, 0, side, side));
        rec.end();
        QPainter p(&image);
        picture.play(&p);
    } else {
        QPainter p(&image);
        Icons::mark(0).paint(&p, image.rect());
    }
    int left = side, right = -1;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (qAlpha(image.pixel(x, y)) > 0) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    QVERIFY2(right - left + 1 > side / 2, qPrintable(QString::number(right - left + 1)));
}

void TestPicturesAndSound::harpTuneIsAPlayableWave() {
    const QByteArray wav = HarpTune::wave();
    QCOMPARE(wav, HarpTune::wave()); // the same bytes every time
    QVERIFY(wav.size() > 44);
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(le32(wav, 4), quint32(wav.size() - 8));
    QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(le16(wav, 20), quint16(1)); // PCM
    QCOMPARE(le16(wav, 22), quint16(1)); // mono
    QCOMPARE(le32(wav, 24), quint32(HarpTune::SampleRate));
    QCOMPARE(le16(wav, 34), quint16(16));
    QCOMPARE(wav.mid(36, 4), QByteArray("data"));
    const quint32 dataBytes = le32(wav, 40);
    QCOMPARE(dataBytes, quint32(wav.size() - 44));

    // A short tune: between one and four seconds, loud enough, never clipping,
    // and quiet at its very end so that a loop does not click.
    const double seconds = dataBytes / 2.0 / HarpTune::SampleRate;
    QVERIFY2(seconds > 1 && seconds < 4, qPrintable(QString::number(seconds)));
    int peak = 0;
    double energy = 0;
    const int samples = int(dataBytes / 2);
    for (int i = 0; i < samples; ++i) {
        const int s = qint16(le16(wav, 44 + 2 * i));
        peak = std::max(peak, std::abs(s));
        energy += double(s) * s;
    }
    QVERIFY(peak > 16000 && peak < 32767);
    QVERIFY(std::sqrt(energy / samples) > 1000);
    QVERIFY(std::abs(qint16(le16(wav, wav.size() - 2))) < 200);
}

void TestPicturesAndSound::harpTuneIsPlacedOnlyWhenMissing() {
    TempProfile profile;
    const QString path = HarpTune::ensureIn(profile.appFolder());
    QCOMPARE(path, profile.appFile(QStringLiteral("harptune.wav")));
    QFile made(path);
    QVERIFY(made.open(QIODevice::ReadOnly));
    QCOMPARE(made.readAll(), HarpTune::wave());
    made.close();

    // A tune of the user's own under that name stays.
    QVERIFY(made.open(QIODevice::WriteOnly | QIODevice::Truncate));
    made.write("the user's own sound");
    made.close();
    QCOMPARE(HarpTune::ensureIn(profile.appFolder()), path);
    QVERIFY(made.open(QIODevice::ReadOnly));
    QCOMPARE(made.readAll(), QByteArray("the user's own sound"));
}

// The page is well-formed, has its seven chapters, carries this version and
// every mark picture inside it; it is written again only when it differs from
// this version's page, and a folder that cannot take it gives no path.
void TestPicturesAndSound::helpPageIsWholeAndOfThisVersion() {
    TempProfile profile;
    const QString path = HelpPage::ensureIn(profile.appFolder());
    QCOMPARE(path, profile.appFile(QStringLiteral("quillmere.html")));
    QFile page(path);
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    page.close();
    QCOMPARE(html, HelpPage::html());

    QXmlStreamReader xml(html);
    QStringList chapters, links;
    int pictures = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = xml.attributes();
        if (xml.name() == u"h2") chapters << a.value(QLatin1String("id")).toString();
        if (xml.name() == u"a") links << a.value(QLatin1String("href")).toString();
        if (xml.name() == u"img") {
            const QString src = a.value(QLatin1String("src")).toString();
            QVERIFY2(src.startsWith(u"data:image/svg+xml;base64,"), qPrintable(src.left(40)));
            const QByteArray svg = QByteArray::fromBase64(src.mid(26).toLatin1());
            QVERIFY(QImage::fromData(svg, "SVG").width() > 0);
            ++pictures;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(chapters, (QStringList{"what", "window", "marks", "rules", "automatic", "details",
                                    "security", "oauth2", "keyring", "cli", "files"}));
    for (const QString& link : links) // every link leads to a chapter of the page
        QVERIFY2(chapters.contains(link.mid(1)) && link.startsWith(u'#'), qPrintable(link));
    QCOMPARE(pictures, Icons::MarkCount);
    QVERIFY(html.contains("Quillmere " QUILL_VERSION));
    QVERIFY(!html.contains('@'));

    // The page of an older version is replaced; this version's page is kept.
    QVERIFY(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
    page.write("<html>an older version's help</html>");
    page.close();
    QCOMPARE(HelpPage::ensureIn(profile.appFolder()), path);
    QVERIFY(page.open(QIODevice::ReadOnly));
    QCOMPARE(page.readAll(), html);
    page.close();
    const int written = TextFiles::replacementCount();
    QCOMPARE(HelpPage::ensureIn(profile.appFolder()), path);
    QCOMPARE(TextFiles::replacementCount(), written);

    QCOMPARE(HelpPage::ensureIn(path), QString()); // a file where the folder should be
}

void TestPicturesAndSound::alarmPlaysWithoutSoundDevice() {
    TempProfile profile;
    const QString path = HarpTune::ensureIn(profile.appFolder());
    // Our wave decodes: the sound effect reaches Ready, not Error.
    QSoundEffect effect;
    effect.setSource(QUrl::fromLocalFile(path));
    QTRY_VERIFY_WITH_TIMEOUT(effect.status() != QSoundEffect::Loading, 5000);
    QCOMPARE(effect.status(), QSoundEffect::Ready);

    AlarmPlayer alarm;
    alarm.Play(path, true);
    QVERIFY(alarm.Started());
    QVERIFY(alarm.Looping());
    QTest::qWait(100);
    alarm.Stop();
    QVERIFY(!alarm.Started());
    alarm.Play(profile.appFile(QStringLiteral("missing.wav")), false); // no failure either
    alarm.Stop();
    alarm.Beep();
}

void TestPicturesAndSound::gameScores() {
    SpamCatchGame game;
    game.start(7);
    QVERIFY(game.running());
    // Run until both kinds of envelope are on the field.
    const SpamCatchGame::Envelope* spam = nullptr;
    const SpamCatchGame::Envelope* good = nullptr;
    for (int i = 0; i < 200 && !(spam && good); ++i) {
        game.step(0.1);
        spam = good = nullptr;
        for (const auto& e : game.envelopes()) {
            if (e.pos.y() < 0) continue;
            (e.spam ? spam : good) = &e;
        }
    }
    QVERIFY(spam && good);
    const QPointF goodAt = SpamCatchGame::rectOf(*good).center();
    QVERIFY(game.click(SpamCatchGame::rectOf(*spam).center()));
    QCOMPARE(game.score(), 1);
    QVERIFY(game.click(goodAt));
    QCOMPARE(game.score(), 1 - SpamCatchGame::GoodMailPenalty);
    QVERIFY(!game.click(QPointF(-50, -50)));

    game.step(SpamCatchGame::RoundSeconds);
    QVERIFY(!game.running());
    QVERIFY(game.envelopes().isEmpty());
    QVERIFY(!game.click(goodAt));
}

void TestPicturesAndSound::aboutKeepsBestScoreAsPoints_data() {
    QTest::addColumn<int>("best");
    QTest::addColumn<int>("round");
    QTest::addColumn<int>("stored");
    QTest::newRow("new-best-is-stored") << 7 << 12 << 12;
    QTest::newRow("lower-round-keeps-best") << 7 << 3 << 7;
    QTest::newRow("negative-round-on-fresh-profile") << 0 << -4 << 0;
}

void TestPicturesAndSound::aboutKeepsBestScoreAsPoints() {
    QFETCH(int, best);
    QFETCH(int, round);
    QFETCH(int, stored);
    TempProfile profile;
    const QString general = QStringLiteral("General");
    SettingsStore::tree().WriteInteger(general, QStringLiteral("Points"), best);
    GeneralSettings settings;
    settings.Points = SettingsStore::tree().ReadInteger(general, QStringLiteral("Points"), 0);
    settings.Minutes = 33; // an unsaved change elsewhere in the model must not be written

    TfrmAbout about(settings);
    QCOMPARE(about.windowTitle(), QStringLiteral("About Quillmere"));
    QVERIFY(about.findChild<QLabel*>(QStringLiteral("lblDetails"))
                ->text()
                .contains(QStringLiteral(QUILL_VERSION)));
    QCOMPARE(about.lblPoints->text(), QStringLiteral("Best: %1").arg(best));
    about.roundOver(round);
    QCOMPARE(about.lblPoints->text(), QStringLiteral("Best: %1").arg(stored));
    // Stored when the box closes, and only "Points".
    QCOMPARE(SettingsStore::tree().ReadInteger(general, QStringLiteral("Points"), -1), best);
    about.show();
    QTest::mouseClick(about.btOK, Qt::LeftButton);
    QCOMPARE(SettingsStore::tree().ReadInteger(general, QStringLiteral("Points"), -1), stored);
    QCOMPARE(SettingsStore::tree().ReadInteger(general, QStringLiteral("Minutes"), -1), -1);
}

QTEST_MAIN(TestPicturesAndSound)
#include "tst_pictures_and_sound.moc"
