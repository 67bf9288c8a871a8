// SPDX-License-Identifier: MIT
// The plugin's edits on a real KTextEditor document and view, as Kate's own: where the texts
// land in Kate's buffer, and what Ctrl+Z takes back.

#include "ActiveDocumentHost.h"

#include <KActionCollection>
#include <KTextEditor/Application>
#include <KTextEditor/Document>
#include <KTextEditor/Editor>
#include <KTextEditor/MainWindow>
#include <KTextEditor/View>

#include <QAction>
#include <QStandardPaths>
#include <QtTest>

using namespace vorrelkate;

// Kate's main window and application as KTextEditor reaches them: through their methods.
class FakeMainWindow : public QObject {
    Q_OBJECT
public:
    KTextEditor::View* view = nullptr;
public Q_SLOTS:
    KTextEditor::View* activeView() { return view; }
};

class FakeApplication : public QObject {
    Q_OBJECT
public:
    KTextEditor::MainWindow* window = nullptr;
public Q_SLOTS:
    KTextEditor::MainWindow* activeMainWindow() { return window; }
};

class ActiveDocumentHostTest : public QObject {
    Q_OBJECT

    FakeMainWindow windowDelegate;
    FakeApplication applicationDelegate;
    KTextEditor::MainWindow window{&windowDelegate};
    KTextEditor::Application application{&applicationDelegate};
    KTextEditor::Document* document = nullptr;
    KTextEditor::View* view = nullptr;

    void type(const QString& keys) { QTest::keyClicks(view->focusProxy(), keys); }
    void undo() { view->actionCollection()->action(QStringLiteral("edit_undo"))->trigger(); }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        document = KTextEditor::Editor::instance()->createDocument(this);
        view = document->createView(nullptr);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        applicationDelegate.window = &window;
        windowDelegate.view = view;
    }

    void cleanupTestCase() { delete view; }

    // Kate merges a change made of single-line inserts into the undo step before it.
    void eachPutIsOneUndoStepNeverMergedWithTyping() {
        ActiveDocumentHost host(&application);
        document->setText(QStringLiteral("<html><head></head><body>\n</body></html>"));
        view->setCursorPosition({1, 0});
        type(QStringLiteral("ab"));
        host.putAtCursor(QStringLiteral("X"));
        QCOMPARE(view->cursorPosition(), KTextEditor::Cursor(1, 3));
        type(QStringLiteral("cd"));
        host.put(kit::Place::BodyTag, QStringLiteral(" onload=\"x()\""));
        type(QStringLiteral("e"));

        const QStringList afterEachUndo = {
            "<html><head></head><body onload=\"x()\">\nabXcd</body></html>",
            "<html><head></head><body>\nabXcd</body></html>",
            "<html><head></head><body>\nabX</body></html>",
            "<html><head></head><body>\nab</body></html>",
            "<html><head></head><body>\n</body></html>",
        };
        QCOMPARE(document->text(),
                 "<html><head></head><body onload=\"x()\">\nabXcde</body></html>");
        for (const QString& expected : afterEachUndo) {
            undo();
            QCOMPARE(document->text(), expected);
        }
    }

    // The kit counts UTF-8 bytes in lines joined by "\n"; Kate counts UTF-16 units per line and
    // keeps line ends out of its lines.
    void textsLandWhereTheKitPlacesThem_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::newRow("characters of two and four bytes before the place on its line")
            << "<html><head><title>é😀</title></head>\n<body></body></html>" << int(kit::Place::Head)
            << "<script>\r\nx();\r\n</script>\r\n"
            << "<html><head><title>é😀</title><script>\nx();\n</script>\n</head>\n<body></body></"
               "html>";
        QTest::newRow("a later line, a lone carriage return")
            << "<html><head></head>\n<body>\n<p>ü</p></body></html>" << int(kit::Place::Body)
            << "<p>a</p>\r<p>b</p>"
            << "<html><head></head>\n<body>\n<p>ü</p><p>a</p>\n<p>b</p></body></html>";
    }

    void textsLandWhereTheKitPlacesThem() {
        QFETCH(QString, before);
        QFETCH(int, place);
        QFETCH(QString, text);
        QFETCH(QString, after);
        ActiveDocumentHost host(&application);
        document->setText(before);
        host.put(kit::Place(place), text);
        QCOMPARE(document->text(), after);
    }
};

QTEST_MAIN(ActiveDocumentHostTest)
#include "ActiveDocumentHostTest.moc"
