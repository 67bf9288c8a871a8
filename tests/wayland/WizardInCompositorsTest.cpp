// SPDX-License-Identifier: MIT
// The real wizard in real compositors, as their users meet it: each row runs the program as a
// Wayland client and as an X client of the compositor's XWayland, drives it with the
// compositor's own pointer and keyboard, and reads the outcome from the compositor: where the
// windows are, which are shown, what is on the screen, what the clipboard holds. The compositor
// comes from VORREL_COMPOSITOR (kwin, gnome-shell or sway); sway runs the clipboard row only.
// A screenshot of each row goes to VORREL_WAYLAND_SHOTS for a person to look at.

#include "support/BusPeerProcess.h"
#include "support/EndProcess.h"
#include "support/WaylandSession.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using vorrel::test::ClientMode;
using vorrel::test::Compositor;
using vorrel::test::Key;
using vorrel::test::ToplevelWindow;
using vorrel::test::WaylandSession;
namespace keys = vorrel::test::keys;

namespace {

enum class Row { DragKeepsPlace, UntitledHostReplaceQuestion, ClipboardOutlivesProgram, WhatsThis };

const QStringList kWizardTitles = {"Vorrel - 1.03", "Options", "Animated Button List Builder",
                                   "Enter HTML text here", "Jump List Builder"};
const QString kBoxTitle = "Vorrel";
const QByteArray kClipboardStart =
    "\r\n<!-- Copy this HTML into the <HEAD> section of your HTML file -->";

// The wizard's frame: 3 pixels round a caption bar and the client area of the forms.
constexpr int kFrame = 3;
constexpr int kClientHeight = 287;

// Where a control of the forms (client coordinates, as in the .ui files) is on the screen.
QPoint onScreen(const QRect& frame, QPoint client) {
    return QPoint(frame.x() + kFrame, frame.y() + frame.height() - kFrame - kClientHeight) + client;
}

QRect clientArea(const QRect& frame) {
    return QRect(onScreen(frame, {0, 0}), QSize(417, kClientHeight));
}

// A point on the caption bar, clear of its icon and its buttons.
QPoint onCaption(const QRect& frame) {
    const int captionHeight = frame.height() - 2 * kFrame - kClientHeight;
    return {frame.x() + 150, frame.y() + kFrame + captionHeight / 2};
}

// The buttons and fields the rows use, in client coordinates (centres, or a radio item's mark).
constexpr QPoint kPickerNext{242 + 40, 257 + 12};
constexpr QPoint kOptionsBack{153 + 40, 257 + 12};
constexpr QPoint kOptionsNext{242 + 40, 257 + 12};
constexpr QPoint kFinished{242 + 40, 257 + 12};
constexpr QPoint kSeparateWindowItem{149 + 8 + 8, 47 + 42 + 11};
constexpr QPoint kCaptionEdit{200 + 60, 19 + 10};
constexpr QRect kCaptionEditRect{200, 19, 202, 21};
constexpr QPoint kPickerClock{162 + 40, 56 + 8};

// A place for the wizard in a corner of the screen, far from its middle, where compositors put
// the windows they place themselves.
constexpr QPoint kAside{840, 400};

// Inside a message box, clear of its title bar and its buttons.
QPoint insideBox(const QRect& frame) {
    return {frame.x() + 20, frame.center().y()};
}

QString describe(const QList<ToplevelWindow>& windows) {
    QStringList lines;
    for (const ToplevelWindow& w : windows)
        lines << QStringLiteral("\"%1\" pid %2 at %3,%4 %5x%6%7%8%9")
                     .arg(w.title)
                     .arg(w.pid)
                     .arg(w.frame.x())
                     .arg(w.frame.y())
                     .arg(w.frame.width())
                     .arg(w.frame.height())
                     .arg(w.shown ? " shown" : " not shown")
                     .arg(w.focused ? " focused" : "")
                     .arg(w.x11 ? " (X)" : "");
    return lines.isEmpty() ? QStringLiteral("no windows") : lines.join("; ");
}

// The share of pixels that differ between two pictures of the same size.
double difference(const QImage& a, const QImage& b) {
    if (a.isNull() || b.isNull() || a.size() != b.size())
        return 1.0;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            differing += p[col] != q[col];
    }
    return double(differing) / (qint64(x.width()) * x.height());
}

// The bounding box of the pixels of `colour` (within a small tolerance); empty when none.
QRect areaOfColour(const QImage& image, QColor colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if (std::abs(qRed(line[x]) - colour.red()) <= 4 &&
                std::abs(qGreen(line[x]) - colour.green()) <= 4 &&
                std::abs(qBlue(line[x]) - colour.blue()) <= 4)
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

// How far apart two rectangles are: 0 when they touch or overlap.
int gapBetween(const QRect& a, const QRect& b) {
    const int dx = std::max({0, a.left() - b.right(), b.left() - a.right()});
    const int dy = std::max({0, a.top() - b.bottom(), b.top() - a.bottom()});
    return std::max(dx, dy);
}

Compositor compositorFromEnvironment() {
    const QString name = qEnvironmentVariable("VORREL_COMPOSITOR", "kwin");
    if (name == "gnome-shell")
        return Compositor::GnomeShell;
    if (name == "sway")
        return Compositor::Sway;
    return Compositor::KWin;
}

} // namespace

class WizardInCompositorsTest : public QObject {
    Q_OBJECT

    WaylandSession session{compositorFromEnvironment()};
    QProcess vorrel;
    QTemporaryDir work;
    vorrel::test::BusPeers peers;
    QList<ToplevelWindow> lastSeen;

    QString binDir() const { return qEnvironmentVariable("VORREL_BIN_DIR"); }

    // The program, in the session, started as its users start it.
    bool startProgram(ClientMode mode) {
        vorrel.setProcessEnvironment(session.environment(mode));
        vorrel.setWorkingDirectory(work.path());
        vorrel.setProcessChannelMode(QProcess::ForwardedChannels);
        vorrel.start(binDir() + "/vorrel", {});
        return vorrel.waitForStarted(5000);
    }

    // Ends the program as another program may: message 1148 on the session bus.
    bool endProgram() {
        if (vorrel.state() == QProcess::NotRunning)
            return true;
        QDBusMessage post = QDBusMessage::createMethodCall("Vorrel.Application", "/Vorrel",
                                                           "Vorrel.Application", "PostMessage");
        post << 1148u;
        session.bus().send(post);
        return vorrel.waitForFinished(10000) && vorrel.exitStatus() == QProcess::NormalExit;
    }

    QList<ToplevelWindow> programWindows() {
        QList<ToplevelWindow> mine;
        if (const auto all = session.windows())
            for (const ToplevelWindow& w : *all)
                if (w.pid == vorrel.processId() && w.shown)
                    mine << w;
        lastSeen = mine;
        return mine;
    }

    static QList<ToplevelWindow> wizardWindows(const QList<ToplevelWindow>& windows) {
        QList<ToplevelWindow> wizard;
        for (const ToplevelWindow& w : windows)
            if (kWizardTitles.contains(w.title))
                wizard << w;
        return wizard;
    }

    // Waits until the program shows exactly one wizard window, titled `title`, for which
    // `also` holds; that window, or none.
    std::optional<ToplevelWindow> waitForWizard(
        const QString& title, int timeoutMs = 15000,
        const std::function<bool(const ToplevelWindow&)>& also = [](const ToplevelWindow&) {
            return true;
        }) {
        std::optional<ToplevelWindow> found;
        const auto shown = [&] {
            const auto wizard = wizardWindows(programWindows());
            if (wizard.size() == 1 && wizard.front().title == title && also(wizard.front()))
                found = wizard.front();
            return found.has_value();
        };
        return QTest::qWaitFor(shown, timeoutMs) ? found : std::nullopt;
    }

    // The first shown window of the program titled `title`, once there is one.
    std::optional<ToplevelWindow> waitForWindowTitled(const QString& title, int timeoutMs) {
        std::optional<ToplevelWindow> found;
        const auto shown = [&] {
            for (const ToplevelWindow& w : programWindows())
                if (w.title == title)
                    found = w;
            return found.has_value();
        };
        return QTest::qWaitFor(shown, timeoutMs) ? found : std::nullopt;
    }

    QImage areaOnScreen(const QRect& area) { return session.screenshot().copy(area); }

    // Waits until what `area` shows is no longer `before`: at least `share` of its pixels
    // have changed (a page replaced, a menu opened).
    bool waitForNewPicture(const QRect& area, const QImage& before, double share = 0.05) {
        return QTest::qWaitFor([&] { return difference(areaOnScreen(area), before) >= share; },
                               10000);
    }

    // Gives the program's window `title` the keyboard focus as a user would, by clicking at
    // `at` its frame where it is now (a compositor may place a window after it has shown it).
    bool focus(const QString& title, const std::function<QPoint(const QRect&)>& at) {
        const auto window = waitForWindowTitled(title, 10000);
        if (!window || !session.click(at(window->frame)))
            return false;
        return QTest::qWaitFor(
            [&] {
                for (const ToplevelWindow& w : programWindows())
                    if (w.title == title && w.focused)
                        return true;
                return false;
            },
            10000);
    }

    void saveScreenshot(const QString& row) {
        const QString folder = qEnvironmentVariable("VORREL_WAYLAND_SHOTS");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).section('/', 1);
        session.screenshot().save(
            QStringLiteral("%1/%2-%3-%4.png")
                .arg(folder, WaylandSession::name(session.compositor()), row, tag));
    }

    // Drags the wizard's page `title` by its caption bar to `target`; the page where it was
    // dropped.
    std::optional<ToplevelWindow> dragWizardTo(const QString& title, QPoint target) {
        const auto page = waitForWizard(title);
        if (!page || !session.drag(onCaption(page->frame),
                                   onCaption(page->frame) + target - page->frame.topLeft()))
            return std::nullopt;
        return waitForWizard(title, 10000, [&](const ToplevelWindow& w) {
            return (w.frame.topLeft() - target).manhattanLength() < 40;
        });
    }

    std::optional<ToplevelWindow> dragPickerTo(QPoint target) {
        return dragWizardTo("Vorrel - 1.03", target);
    }

    // Saves a screenshot once the program's window `title` is on it: where the window is now no
    // longer looks as in `before` (a window that the compositor has mapped and placed may take
    // a frame or two to reach the screen).
    void saveScreenshotShowing(const QString& what, const QString& title, const QImage& before) {
        const auto painted = [&] {
            const auto window = waitForWindowTitled(title, 0);
            return window && difference(session.screenshot().copy(window->frame),
                                        before.copy(window->frame)) > 0.3;
        };
        if (!QTest::qWaitFor(painted, 3000))
            qWarning("the screenshot may not show the new window yet");
        saveScreenshot(what);
    }

    // Whether the message box, now that it is on the screen, is there in full and over the
    // wizard's window. Read again once it has been drawn: where a compositor reports a window
    // before it has placed it, is not where the window ends up.
    bool boxOverWizard() {
        const QRect screen(QPoint(0, 0), session.screenSize());
        const auto shown = programWindows();
        const auto pages = wizardWindows(shown);
        for (const ToplevelWindow& w : shown)
            if (w.title == kBoxTitle)
                return pages.size() == 1 && screen.contains(w.frame) &&
                       pages.front().frame.contains(w.frame.center());
        return false;
    }

    // Row 1: the wizard dragged by its caption bar stays where it was dropped while the pages
    // change, and only one wizard window is on the screen at a time.
    void dragKeepsPlace() {
        const auto dropped = dragPickerTo({160, 90});
        QVERIFY2(dropped, qPrintable("the drag did not move the picker: " + describe(lastSeen)));
        const QRect place = dropped->frame;
        QImage before = areaOnScreen(clientArea(place));
        QVERIFY(session.click(onScreen(place, kPickerNext)));
        QVERIFY2(waitForNewPicture(clientArea(place), before), "no new page at the dropped place");
        const auto options = waitForWizard(
            "Options", 10000, [&](const ToplevelWindow& w) { return w.frame == place; });
        QVERIFY2(options, qPrintable("after Next >> the Options page is not alone at " +
                                     QStringLiteral("%1,%2: ").arg(place.x()).arg(place.y()) +
                                     describe(lastSeen)));
        before = areaOnScreen(clientArea(place));
        QVERIFY(session.click(onScreen(place, kOptionsBack)));
        QVERIFY2(waitForNewPicture(clientArea(place), before), "no new page at the dropped place");
        const auto back = waitForWizard("Vorrel - 1.03", 10000,
                                        [&](const ToplevelWindow& w) { return w.frame == place; });
        saveScreenshot("1-drag-next-back");
        QVERIFY2(back, qPrintable("after << Back the tool picker is not alone at " +
                                  QStringLiteral("%1,%2: ").arg(place.x()).arg(place.y()) +
                                  describe(lastSeen)));
    }

    // Row 2: a host with an untitled document keeps the wizard waiting in its save, then names a
    // folder where the page file already is. The wizard gets out of the way meanwhile, comes
    // back, asks over its window whether to replace the file, and a No leaves it there.
    void untitledHostReplaceQuestion() {
        const QString folder = work.filePath("site/");
        QVERIFY(QDir().mkpath(folder));
        QFile page(folder + "Clo.htm");
        QVERIFY(page.open(QIODevice::WriteOnly) && page.write("<p>mine</p>") > 0);
        page.close();
        const QString log = work.filePath("host.log");
        QVERIFY(!peers
                     .start({"--answer", "1", "--own-host-name", "--log", log, "--reply",
                             "isopendoc=s:true", "--reply", "getworkdir=s:", "--delay",
                             "forcesave=1500", "--reply-after", "forcesave:getworkdir=s:" + folder},
                            session.environment(ClientMode::Native))
                     .isEmpty());
        QVERIFY(startProgram(currentMode()));
        // Away from the middle of the screen, where the compositor puts windows it places.
        const auto picker = dragPickerTo(kAside);
        QVERIFY2(picker, qPrintable("the drag did not move the picker: " + describe(lastSeen)));
        QVERIFY(session.click(onScreen(picker->frame, kPickerNext)));
        auto options = waitForWizard("Options");
        QVERIFY2(options, qPrintable("no Options page: " + describe(lastSeen)));
        QVERIFY(session.click(onScreen(options->frame, kSeparateWindowItem)));
        const QImage before = areaOnScreen(clientArea(options->frame));
        QVERIFY(session.click(onScreen(options->frame, kOptionsNext)));
        QVERIFY2(waitForNewPicture(clientArea(options->frame), before),
                 "the separate window's options did not come");
        options = waitForWizard("Options");
        QVERIFY2(options, qPrintable("no separate window's options: " + describe(lastSeen)));
        QVERIFY(session.click(onScreen(options->frame, kFinished)));
        const QImage beforeQuestion = session.screenshot();

        // The host's save holds the wizard for 1.5 s from its call on: the wizard is out of the
        // way within that time.
        const auto saving = [&] {
            QFile calls(log);
            return calls.open(QIODevice::ReadOnly) && calls.readAll().contains("forcesave");
        };
        QVERIFY2(QTest::qWaitFor(saving, 10000), "Finished did not reach the host's save");
        QVERIFY2(QTest::qWaitFor([&] { return wizardWindows(programWindows()).isEmpty(); }, 1500),
                 qPrintable("the wizard stayed in the host's way during its save: " +
                            describe(lastSeen)));
        std::optional<ToplevelWindow> wizard;
        std::optional<ToplevelWindow> box;
        const bool both = QTest::qWaitFor(
            [&] {
                const auto shown = programWindows();
                const auto pages = wizardWindows(shown);
                wizard = pages.size() == 1 ? std::optional(pages.front()) : std::nullopt;
                box.reset();
                for (const ToplevelWindow& w : shown)
                    if (w.title == kBoxTitle)
                        box = w;
                return wizard && box;
            },
            10000);
        if (both)
            saveScreenshotShowing("2-untitled-host-question", kBoxTitle, beforeQuestion);
        QVERIFY2(both, qPrintable("after the save the wizard and its question are not "
                                  "both shown: " +
                                  describe(lastSeen)));
        QVERIFY2(boxOverWizard(), qPrintable("the question is not on the screen over the "
                                             "wizard: " +
                                             describe(lastSeen)));

        QVERIFY(focus(kBoxTitle, insideBox));
        QVERIFY(session.tapKey(keys::Enter)); // No, the question's default
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         const auto shown = programWindows();
                         const bool boxGone =
                             std::none_of(shown.begin(), shown.end(), [](const ToplevelWindow& w) {
                                 return w.title == kBoxTitle;
                             });
                         return boxGone && wizardWindows(shown).size() == 1;
                     },
                     10000),
                 qPrintable("after No the wizard is not shown alone: " + describe(lastSeen)));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QCOMPARE(page.readAll(), QByteArray("<p>mine</p>"));
    }

    // What a short-lived client prints, once it has ended.
    static QString runClient(const QStringList& command, const QProcessEnvironment& env) {
        QProcess client;
        client.setProcessEnvironment(env);
        client.start(command.front(), command.mid(1));
        if (!client.waitForFinished(3000)) {
            client.kill();
            client.waitForFinished(2000);
            return "<" + command.front() + " gave nothing within 3 s>";
        }
        return QString::fromUtf8(client.readAllStandardOutput());
    }

    // The clipboard keepers that serve this session: processes of that name whose runtime
    // folder is the session's.
    QList<qint64> keepers() {
        QList<qint64> found;
        const QByteArray runtime = "XDG_RUNTIME_DIR=" + session.runtimeDir().toUtf8();
        for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
            const qint64 pid = entry.toLongLong();
            if (pid <= 0)
                continue;
            QFile comm("/proc/" + entry + "/comm");
            QFile environ("/proc/" + entry + "/environ");
            if (!comm.open(QIODevice::ReadOnly) || !environ.open(QIODevice::ReadOnly))
                continue;
            const QByteArray name = comm.readAll().trimmed();
            if ((name == "vorrel-clipboar" || name == "wl-copy") &&
                environ.readAll().split('\0').contains(runtime))
                found << pid;
        }
        return found;
    }

    // An X program with the keyboard focus, as a user who pastes into one has it: KWin and sway
    // hand the clipboard to X programs only then. (xedit names no process id on its window.)
    bool focusAnXProgram(QProcess& program) {
        program.setProcessEnvironment(session.environment(ClientMode::XWayland));
        program.start("xedit", {"-geometry", "300x120+40+560"});
        if (!program.waitForStarted(5000))
            return false;
        std::optional<QRect> frame;
        const auto mapped = [&] {
            if (const auto all = session.windows())
                for (const ToplevelWindow& w : *all)
                    if (w.x11 && w.title == "xedit" && w.shown)
                        frame = w.frame;
            return frame.has_value();
        };
        if (!QTest::qWaitFor(mapped, 10000) || !session.click(frame->center()))
            return false;
        return QTest::qWaitFor(
            [&] {
                if (const auto all = session.windows())
                    for (const ToplevelWindow& w : *all)
                        if (w.x11 && w.title == "xedit" && w.focused)
                            return true;
                return false;
            },
            10000);
    }

    // Row 3: the text put on the clipboard without a host can be pasted, by Wayland and X
    // programs alike, after the program has ended, until another program copies something.
    void clipboardOutlivesProgram() {
        auto picker = waitForWizard("Vorrel - 1.03");
        QVERIFY2(picker, qPrintable("no tool picker: " + describe(lastSeen)));
        QVERIFY2(focus(picker->title, [](const QRect& f) { return onScreen(f, kPickerClock); }),
                 qPrintable("the tool picker has no focus: " + describe(lastSeen)));
        const QRect client = clientArea(picker->frame);
        QImage before = areaOnScreen(client);
        QVERIFY(session.tapKey(keys::Enter)); // Next >> with the Clock
        QVERIFY2(waitForNewPicture(client, before), "the Options page did not come");
        const auto options = waitForWizard("Options");
        QVERIFY2(options, qPrintable("no Options page: " + describe(lastSeen)));
        QVERIFY(focus(options->title, [](const QRect& f) { return onScreen(f, kCaptionEdit); }));
        const QImage beforeMessage = session.screenshot();
        QVERIFY(session.tapKey(keys::Enter)); // Next >>, in the current page
        const auto box = waitForWindowTitled(kBoxTitle, 10000);
        QVERIFY2(box, qPrintable("no clipboard message: " + describe(lastSeen)));
        saveScreenshotShowing("3-clipboard", kBoxTitle, beforeMessage);
        QVERIFY2(boxOverWizard(), qPrintable("the clipboard message is not on the screen over "
                                             "the wizard: " +
                                             describe(lastSeen)));
        QVERIFY(focus(kBoxTitle, insideBox));
        QVERIFY(session.tapKey(keys::Enter)); // OK
        QVERIFY(QTest::qWaitFor([&] { return !waitForWindowTitled(kBoxTitle, 0); }, 10000));
        QVERIFY(endProgram());

        const QProcessEnvironment env = session.environment(ClientMode::Native);
        const QStringList wlPaste = {"wl-paste", "--no-newline"};
        const QStringList xclipOut = {"xclip", "-o", "-selection", "clipboard"};
        QString pasted;
        const auto pastes = [&](const QStringList& command, const QByteArray& start) {
            return QTest::qWaitFor(
                [&] { return (pasted = runClient(command, env)).toUtf8().startsWith(start); },
                10000);
        };
        const auto afterTheEnd = [&](const char* tool) {
            return QStringLiteral("%1 after the end gives \"%2\"; keepers running: %3")
                .arg(tool, pasted.left(80))
                .arg(keepers().size());
        };
        QVERIFY2(pastes(wlPaste, kClipboardStart), qPrintable(afterTheEnd("wl-paste")));
        QProcess xProgram;
        QVERIFY2(focusAnXProgram(xProgram),
                 qPrintable("no X program took the focus: " +
                            describe(session.windows().value_or(QList<ToplevelWindow>{}))));
        QVERIFY2(pastes(xclipOut, kClipboardStart), qPrintable(afterTheEnd("xclip")));
        // Where the compositor keeps the text itself (Mutter does), no keeper is needed; one
        // that runs must end once another program has copied something.
        qInfo("keepers serving the clipboard: %d", int(keepers().size()));
        // Another program of the same kind copies something: a Wayland one through the
        // data-control protocol, which needs no keyboard focus. GNOME Shell has no such
        // protocol, and a Wayland client takes its clipboard only with the focus: there an X
        // client copies, which the shell hands to Wayland clients too.
        const bool wayland =
            currentMode() == ClientMode::Native && session.compositor() != Compositor::GnomeShell;
        QProcess other;
        other.setProcessEnvironment(env);
        if (wayland)
            other.start("wl-copy", {"--foreground", "something else"});
        else
            other.start("xclip", {"-i", "-selection", "clipboard", "-quiet"});
        QVERIFY(other.waitForStarted(5000));
        other.write("something else");
        other.closeWriteChannel();
        const auto othersCopy = [&] {
            const QList<qint64> running = keepers();
            return running.size() == (wayland ? 1 : 0) &&
                   (!wayland || running.front() == other.processId());
        };
        QVERIFY2(QTest::qWaitFor(othersCopy, 15000),
                 "the keeper goes on after another program copied");
        QVERIFY2(pastes(wayland ? wlPaste : xclipOut, "something else"),
                 qPrintable("the paste after the other copy gives: " + pasted.left(80)));
        vorrel::test::endProcess(other, 2000);
        vorrel::test::endProcess(xProgram, 2000);
    }

    // Row 4: What's This on a field of the Options page opens next to the field.
    void whatsThis() {
        const auto picker = waitForWizard("Vorrel - 1.03");
        QVERIFY2(picker, qPrintable("no tool picker: " + describe(lastSeen)));
        const QImage before = areaOnScreen(clientArea(picker->frame));
        QVERIFY(session.click(onScreen(picker->frame, kPickerNext)));
        QVERIFY2(waitForNewPicture(clientArea(picker->frame), before), "no Options page");
        // The Options page, dragged away from the middle of the screen, where the compositor
        // puts windows it places.
        const auto options = dragWizardTo("Options", kAside);
        QVERIFY2(options, qPrintable("no Options page in the corner: " + describe(lastSeen)));
        const QRect field(onScreen(options->frame, kCaptionEditRect.topLeft()),
                          kCaptionEditRect.size());
        const QPoint at = onScreen(options->frame, kCaptionEdit);
        const QRect nearby = QRect(at - QPoint(150, 150), QSize(300, 300)) &
                             QRect(QPoint(0, 0), session.screenSize());
        const QImage beforeMenu = areaOnScreen(nearby);
        QVERIFY(session.rightClick(at));
        // The menu has one entry; the keyboard chooses it wherever the menu opened.
        QVERIFY2(waitForNewPicture(nearby, beforeMenu, 0.01), "no menu opened at the field");
        QVERIFY(session.tapKey(keys::Down));
        QVERIFY(session.tapKey(keys::Enter));
        QRect popup;
        const bool popupShown = QTest::qWaitFor(
            [&] {
                popup = areaOfColour(session.screenshot(), QColor(0xff, 0xff, 0xdc));
                return popup.width() > 40 && popup.height() > 10;
            },
            10000);
        saveScreenshot("4-whats-this");
        QVERIFY2(popupShown, "no What's This pop-up on the screen");
        QVERIFY2(gapBetween(popup, field) <= 40,
                 qPrintable(QStringLiteral("the pop-up at %1,%2 %3x%4 is not at the field at "
                                           "%5,%6")
                                .arg(popup.x())
                                .arg(popup.y())
                                .arg(popup.width())
                                .arg(popup.height())
                                .arg(field.x())
                                .arg(field.y())));
    }

    static ClientMode currentMode() {
        return QString::fromLatin1(QTest::currentDataTag()).endsWith("/xwayland")
                   ? ClientMode::XWayland
                   : ClientMode::Native;
    }

private slots:
    void initTestCase() {
        QVERIFY(work.isValid());
        const QString failure = session.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void cleanupTestCase() { session.stop(); }

    void cleanup() {
        if (QTest::currentTestFailed()) {
            QString row = QString::fromLatin1(QTest::currentDataTag()).section('/', 0, 0);
            saveScreenshot("failed-" + row.replace(QRegularExpression("[^A-Za-z]+"), "-"));
        }
        if (!endProgram())
            vorrel::test::endProcess(vorrel, 2000);
        peers.clear();
    }

    void wizardInTheCompositor_data() {
        QTest::addColumn<Row>("row");
        const bool sway = session.compositor() == Compositor::Sway;
        const std::pair<const char*, Row> rows[] = {
            {"drag keeps place", Row::DragKeepsPlace},
            {"untitled host, replace question", Row::UntitledHostReplaceQuestion},
            {"clipboard outlives the program", Row::ClipboardOutlivesProgram},
            {"What's This at its field", Row::WhatsThis},
        };
        for (const auto& [name, row] : rows) {
            if (sway && row != Row::ClipboardOutlivesProgram)
                continue;
            for (const char* mode : {"native", "xwayland"})
                QTest::addRow("%s/%s", name, mode) << row;
        }
    }

    void wizardInTheCompositor() {
        QFETCH(Row, row);
        if (row != Row::UntitledHostReplaceQuestion)
            QVERIFY(startProgram(currentMode()));
        switch (row) {
        case Row::DragKeepsPlace:
            dragKeepsPlace();
            break;
        case Row::UntitledHostReplaceQuestion:
            untitledHostReplaceQuestion();
            break;
        case Row::ClipboardOutlivesProgram:
            clipboardOutlivesProgram();
            break;
        case Row::WhatsThis:
            whatsThis();
            break;
        }
    }
};

QTEST_GUILESS_MAIN(WizardInCompositorsTest)

#include "WizardInCompositorsTest.moc"
