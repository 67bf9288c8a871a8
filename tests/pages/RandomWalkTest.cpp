// SPDX-License-Identifier: MIT
// A seeded random walk through the real windows: 10,000 user steps (buttons, typing, items,
// check boxes, lists) with a recording host and without one. After every step exactly one wizard
// window is visible and the program still runs; every Finished inserts the tool where the user
// expects it, or says why not. The seed is printed; set VORREL_WALK_SEED to walk the same way
// again.

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

// What is wrong with what the user saw happen when Finished was pressed; empty when nothing is.
// With a host the tool goes into its document and the wizard says "JavaScript insertion
// complete."; without one it goes on the clipboard, which the wizard says. Otherwise an error
// says why not: never silence, never a success that did not happen, never the clipboard while a
// host runs.
QString finishOutcome(const test::EventLog& happened, bool withHost) {
    const std::string success = withHost
                                    ? "plain: JavaScript insertion complete."
                                    : "information: The HTML has been copied to the clipboard.";
    bool inserted = false, said = false, clipboard = false, other = false;
    for (const std::string& event : happened) {
        clipboard = clipboard || event == "clipboard";
        inserted =
            inserted || (withHost ? event.rfind("host puttext", 0) == 0 : event == "clipboard");
        said = said || event == success;
        other = other || event.rfind("error: ", 0) == 0 ||
                (event.rfind("plain: ", 0) == 0 && event != success);
    }
    if (withHost && clipboard)
        return "the clipboard was used although a host runs";
    if (said != inserted)
        return said ? "success was reported, and nothing was inserted"
                    : "the tool was inserted, and the user was not told";
    if (!inserted && !other)
        return "nothing was inserted and no message said why";
    return {};
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
                    const std::size_t before = log.size();
                    QTest::mouseClick(button, Qt::LeftButton);
                    const test::EventLog happened(log.begin() + std::ptrdiff_t(before), log.end());
                    const QString outcome = finishOutcome(happened, withHost);
                    QVERIFY2(outcome.isEmpty(),
                             qPrintable(QString("Finished at step %1 of seed %2: %3")
                                            .arg(step)
                                            .arg(seed)
                                            .arg(outcome)));
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
