// A seeded random walk through the real windows: 10,000 user steps (buttons, typing, items,
// check boxes, lists) with a recording host and without one. After every step exactly one wizard
// window is visible; after every Finished, the host calls, the pages and the clipboard are what
// the core makes of the values the windows showed. The seed is printed; set VORREL_WALK_SEED to
// walk the same way again.

#include "support/RecordedGenerator.h"
#include "support/WizardDriver.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QToolButton>

#include <random>

using namespace vorrel;
using vorrel::test::WizardDriver;

namespace {

constexpr int kStepsEach = 5000;

// What a user might type: nothing, a word, markup and quotes, other scripts.
const QStringList kTexts = {"",
                            "a",
                            "Home",
                            "index.html",
                            "20",
                            "abc",
                            "<b>\"x\"</b>",
                            "Grüße & 'dich'",
                            "مرحبا",
                            "/img/a b.gif",
                            "  ",
                            "line\nother"};

class Walk {
public:
    explicit Walk(unsigned seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    template <typename T> T* pick(const QList<T*>& from) {
        return from.isEmpty() ? nullptr : from[below(int(from.size()))];
    }

private:
    std::mt19937 random_;
};

// The visible wizard window's controls of a kind that the user can reach.
template <typename T> QList<T*> reachable(QWidget* window) {
    QList<T*> found;
    for (T* control : window->findChildren<T*>())
        if (control->isVisible() && control->isEnabled())
            found << control;
    return found;
}

} // namespace

class RandomWalkTest : public QObject {
    Q_OBJECT

private slots:
    void stepsKeepOneWindowAndInsertWhatTheWindowsShow_data() {
        QTest::addColumn<bool>("withHost");
        QTest::newRow("host") << true;
        QTest::newRow("no host") << false;
    }

    void stepsKeepOneWindowAndInsertWhatTheWindowsShow() {
        QFETCH(bool, withHost);
        const QByteArray chosen = qgetenv("VORREL_WALK_SEED");
        const unsigned seed =
            chosen.isEmpty() ? std::random_device{}() : unsigned(chosen.toULongLong());
        qInfo("random walk seed: %u (set VORREL_WALK_SEED=%u to walk it again)", seed, seed);
        Walk walk(seed + (withHost ? 1 : 0));

        test::RecordedGenerator actual;
        test::EventLog& log = actual.log;
        test::RecordingPlatform& platform = actual.platform;
        WizardDriver d;
        d.host.running = withHost;
        d.start(&actual.generator);

        int finished = 0;
        int acted[5] = {};
        for (int step = 0; step < kStepsEach; ++step) {
            const QStringList visible = d.visibleWindows();
            QVERIFY2(
                visible.size() == 1,
                qPrintable(
                    QString("step %1 of seed %2: %3").arg(step).arg(seed).arg(visible.join(", "))));
            QWidget* window = WizardDriver::window(visible[0]);
            d.files.answers = {walk.below(3) == 0 ? std::optional<std::string>("/img/p.gif")
                                                  : std::nullopt};
            const int kind = walk.below(5);
            switch (kind) {
            case 0: { // a button, never Cancel
                QList<QAbstractButton*> buttons;
                for (QAbstractButton* b : reachable<QAbstractButton>(window))
                    if ((qobject_cast<QPushButton*>(b) || qobject_cast<QToolButton*>(b)) &&
                        b->text() != "Cancel")
                        buttons << b;
                QAbstractButton* button = walk.pick(buttons);
                if (!button)
                    break;
                ++acted[0];
                if (button->text() == "Finished") {
                    // What the windows show now is what the insertion must use.
                    const WizardState shown = d.wizard->currentState();
                    const std::size_t before = log.size();
                    const std::string clipboardBefore = platform.clipboard;
                    const auto filesBefore = platform.files;
                    QTest::mouseClick(button, Qt::LeftButton);
                    test::RecordedGenerator expected;
                    expected.platform.clipboard = clipboardBefore;
                    expected.platform.files = filesBefore;
                    expected.run(shown, !withHost);
                    const test::EventLog happened(log.begin() + std::ptrdiff_t(before), log.end());
                    QVERIFY2(
                        happened == expected.log,
                        qPrintable(QString("Finished at step %1 of seed %2").arg(step).arg(seed)));
                    QCOMPARE(platform.clipboard, expected.platform.clipboard);
                    for (const auto& [path, bytes] : expected.platform.files)
                        QVERIFY(platform.files[path] == bytes);
                    ++finished;
                } else {
                    QTest::mouseClick(button, Qt::LeftButton);
                }
                break;
            }
            case 1: // a radio item or a check box
                if (QAbstractButton* item = walk.pick(reachable<QAbstractButton>(window));
                    item && (qobject_cast<QRadioButton*>(item) || qobject_cast<QCheckBox*>(item)) &&
                    ++acted[1])
                    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(8, item->height() / 2));
                break;
            case 2: // typing
                ++acted[2];
                if (QLineEdit* edit = walk.pick(reachable<QLineEdit>(window)))
                    d.type(window->objectName() + "/" + edit->objectName(),
                           kTexts[walk.below(int(kTexts.size()))]);
                else if (walk.pick(reachable<QPlainTextEdit>(window)))
                    d.type(window->objectName() + "/m1", kTexts[walk.below(int(kTexts.size()))]);
                break;
            case 3: // a line of a list, the tool list too
                if (QListWidget* list = walk.pick(reachable<QListWidget>(window));
                    list && list->count() > 0 && ++acted[3])
                    list->setCurrentRow(walk.below(list->count()));
                break;
            default: // the Delete key in a list
                if (QListWidget* list = walk.pick(reachable<QListWidget>(window));
                    list && ++acted[4])
                    QTest::keyClick(list, Qt::Key_Delete);
                break;
            }
            QVERIFY2(!d.lifetime->ending(),
                     qPrintable(QString("step %1 ended the program").arg(step)));
        }
        qInfo("%d insertions finished; buttons %d, items %d, typing %d, list lines %d, Delete %d",
              finished, acted[0], acted[1], acted[2], acted[3], acted[4]);
        QVERIFY(finished > 0);
    }
};

QTEST_MAIN(RandomWalkTest)
#include "RandomWalkTest.moc"
