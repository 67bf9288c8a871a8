// SPDX-License-Identifier: MIT
#pragma once

// How the conformance suite drives one host editor. The suite (ConformanceTest.cpp) runs every
// row of the one table (ConformanceTable.cpp) against a host through this class.
//
// To run the suite against another editor, write ONE file, tests/editors/<editor>/<Name>Driver.cpp:
// a class derived from HostDriver, and the factory
//
//     std::unique_ptr<vorrel::test::HostDriver> vorrel::test::makeHostDriver() {
//         return std::make_unique<KateDriver>();
//     }
//
// then register it in tests/editors/CMakeLists.txt, for example
//
//     vorrel_conformance_test(kate DRIVER kate/KateDriver.cpp DEPENDS kate_plugin TIMEOUT 600)
//
// which builds the QTest program `editors_conformance_kate` and registers it with ctest, run on a
// private session bus of its own (tests/run-on-private-bus.sh). The program runs headless
// (QT_QPA_PLATFORM=offscreen); an editor that needs a display starts its own Xvfb with
// `Xvfb -displayfd` (never a fixed display number) and sets DISPLAY for the editor alone.
//
// For each row the suite calls: start(), then call() for each of the row's protocol calls in
// order, then call("forcesave") and reads the saved file back, then stop() (also after a
// failure).

#include <QByteArray>
#include <QDBusMessage>
#include <QString>
#include <QVariantList>

#include <memory>
#include <optional>

namespace vorrel::test {

struct HostStart {
    // The HTML file to open, in a fresh folder of its own; empty: open none. An editor that
    // always has a document shows its empty untitled one then (see opensWithoutDocument()).
    // The file may hold one "<!--cursor-->" comment that stands for the cursor: htmlhost finds
    // it itself; an editor's driver takes it out of the file (takeCursorMarker) before the editor
    // opens it, and puts the editor's cursor there (`kate --line L --column C`, `gedit +L:C`).
    QString file;
    // Where an untitled document goes when forcesave saves it: htmlhost is given it as
    // --save-as; an editor's driver answers the editor's Save As dialog with it. It is in the
    // same folder as `file`.
    QString saveAs;
    // An empty folder for the driver's own use (an editor's profile, settings, sockets).
    QString scratch;
    // How the user answers if the host asks whether a copy may replace a file: htmlhost is
    // started with --replace-pictures for Yes; an editor's driver answers the editor's question
    // (a window titled "Vorrel") during copyfiles, as its user would.
    enum class Consent { NotAsked, Yes, No } replace = Consent::NotAsked;
};

class HostDriver {
public:
    virtual ~HostDriver() = default;

    // Starts the host with `start` and returns once the host owns Wexdor4.Plugin on the session
    // bus and has the document open: an empty text, else what went wrong.
    virtual QString start(const HostStart& start) = 0;

    // Calls `method` of Wexdor4.Plugin (object /Wexdor4/Plugin) with `args` and returns the
    // reply, an error reply for a failed call. The default makes the call on the session bus and
    // waits up to two minutes with the event loop running (QProcess signals and timers are
    // served meanwhile); an editor's driver overrides it where a call needs help, for example to
    // answer the Save As dialog that forcesave opens for an untitled document.
    virtual QDBusMessage call(const QString& method, const QVariantList& args = {});

    // Ends the host and whatever the driver started (Xvfb included) and returns once the bus name
    // is free again. Called after every row, also when start() failed. A host that takes long to
    // start may instead be kept for the next row (VsCodeDriver), as long as the next start()
    // leaves it as a fresh one would be with the row's document; then the driver ends it when it
    // goes, and at once after a row that failed.
    virtual void stop() = 0;

    // False for an editor that always has some document open: rows that start without one are
    // then skipped.
    virtual bool opensWithoutDocument() const { return true; }

    // The text of the untitled document that opennewfile opens: "" in an editor, the table's
    // untitledSkeleton in htmlhost.
    virtual QByteArray untitledText() const { return {}; }
};

// The driver the suite runs with; each host's program links exactly one definition.
std::unique_ptr<HostDriver> makeHostDriver();

// Where a "<!--cursor-->" stood in an editor's terms.
struct CursorPosition {
    int line = 0;        // from 0
    int column = 0;      // from 0, in characters (Unicode code points) of the line
    int utf16Column = 0; // from 0, in UTF-16 units, as QString and KTextEditor count
};

// Takes the first "<!--cursor-->" out of `document` (UTF-8) and says where it stood; none when
// there is no marker. Lines end at "\n" (a "\r" before it belongs to the line end).
std::optional<CursorPosition> takeCursorMarker(QByteArray& document);

} // namespace vorrel::test
