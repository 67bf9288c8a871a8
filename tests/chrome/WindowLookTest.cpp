// SPDX-License-Identifier: MIT
// The windows as they are drawn, offscreen: the caption bar, the side picture, the splash, and
// every text whole in the place it was given.

#include "app/TfrmSplash.h"
#include "chrome/Bitmaps.h"
#include "chrome/PaintBox.h"
#include "support/WizardDriver.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>

using namespace vorrel;
using vorrel::test::WizardDriver;

namespace {

QRect toQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

// Whether a part of an image holds a pixel of nearly white text.
bool hasWhite(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) >= 200)
                return true;
    return false;
}

// The colours found in a part of an image.
QSet<QRgb> coloursIn(const QImage& image, const QRect& area) {
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours << image.pixel(x, y);
    return colours;
}

// The side picture as it should look: the bitmap with its background in the window's colour.
QImage blended(const QString& bitmap, const QColor& window) {
    QImage image = loadBitmap(bitmap).convertToFormat(QImage::Format_RGB32);
    const QRgb background = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == background)
                image.setPixel(x, y, window.rgb());
    return image;
}

// Why a control's text does not fit it, or nothing when it does.
QString cutOff(QWidget* control) {
    const QFontMetrics fm(control->font());
    QRect room = control->contentsRect();
    QString text;
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->text().isEmpty())
            return {};
        if (label->wordWrap())
            return label->heightForWidth(room.width()) <= room.height()
                       ? QString()
                       : QString("needs %1 px of height").arg(label->heightForWidth(room.width()));
        text = label->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        text = group->title();
        room.setWidth(room.width() - 16); // the frame and the gaps around the title
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        text = button->text();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        if (qobject_cast<QCheckBox*>(control))
            room = control->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, control);
        else if (qobject_cast<QRadioButton*>(control))
            room =
                control->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, control);
        else
            room.adjust(4, 0, -4, 0); // the button's own margins
    }
    if (text.isEmpty())
        return {};
    const int width = fm.horizontalAdvance(text);
    if (width <= room.width() && fm.height() <= room.height())
        return {};
    return QString("\"%1\" needs %2 × %3, has %4 × %5")
        .arg(text)
        .arg(width)
        .arg(fm.height())
        .arg(room.width())
        .arg(room.height());
}

} // namespace

class WindowLookTest : public QObject {
    Q_OBJECT

    WizardDriver d;

private slots:
    void init() { d.start(); }
    void cleanup() {
        d.wizard.reset();
        d.host = test::FakeHostLink();
    }

    // Black at the left, the active caption colour at the right, the title in white, and a
    // maximise button that is drawn disabled beside a working minimise button.
    void theCaptionBarRunsFromBlackToTheCaptionColour() {
        auto* picker = qobject_cast<TGradientForm*>(d.window("ToolPickerForm"));
        QApplication::setActiveWindow(picker);
        QVERIFY(QTest::qWaitForWindowActive(picker));
        const QImage window = picker->grab().toImage();
        const CaptionLayout& layout = picker->captionLayout();
        const QImage bar = window.copy(toQRect(layout.caption));
        QCOMPARE(bar.pixel(0, bar.height() - 1), qRgb(0, 0, 0));
        QCOMPARE(bar.pixel(bar.width() - 1, bar.height() - 1),
                 picker->palette().color(QPalette::Active, QPalette::Highlight).rgb());
        QVERIFY(coloursIn(bar, toQRect(layout.text)).contains(qRgb(255, 255, 255)));
        const QRgb glyph = picker->palette().color(QPalette::Active, QPalette::ButtonText).rgb();
        QVERIFY(coloursIn(bar, toQRect(layout.minimize)).contains(glyph));
        QVERIFY(!coloursIn(bar, toQRect(layout.maximize)).contains(glyph));
        QVERIFY(!layout.maximizeEnabled);

        // Inactive, the bar runs to the inactive colour, and the title stays white.
        const QImage inactive = picker->captionImage(false).toImage();
        QCOMPARE(inactive.pixel(inactive.width() - 1, inactive.height() - 1),
                 picker->palette().color(QPalette::Inactive, QPalette::Dark).rgb());
        QVERIFY(coloursIn(inactive, toQRect(layout.text)).contains(qRgb(255, 255, 255)));
    }

    void theCaptionIsTheTitleAndAnUnchangedTitleRepaintsNothing() {
        auto* picker = qobject_cast<TGradientForm*>(d.window("ToolPickerForm"));
        QTRY_VERIFY(picker->captionPaints() > 0);
        QCoreApplication::processEvents();
        const int paints = picker->captionPaints();
        picker->setWindowTitle(picker->windowTitle());
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(picker->captionPaints(), paints);
        picker->setWindowTitle(QString("A caption far too long to fit ").repeated(4));
        QTRY_VERIFY(picker->captionPaints() > paints);
        // Cut with an ellipsis where the buttons begin.
        const QImage bar = picker->captionImage(true).toImage();
        const QRect text = toQRect(picker->captionLayout().text);
        QVERIFY(hasWhite(bar, text.adjusted(text.width() - 12, 0, 0, 0)));
        QVERIFY(!hasWhite(bar, QRect(text.right() + 1, 0, 1, bar.height())));
    }

    void theCaptionButtonsMinimiseAndClose() {
        auto* page = qobject_cast<TGradientForm*>(d.window("ToolPickerForm"));
        const CaptionLayout& layout = page->captionLayout();
        const QPoint origin = toQRect(layout.caption).topLeft();
        QTest::mouseClick(page, Qt::LeftButton, {}, origin + toQRect(layout.maximize).center());
        QVERIFY(!page->window()->isMinimized());
        QTest::mouseClick(page, Qt::LeftButton, {}, origin + toQRect(layout.minimize).center());
        QTRY_VERIFY(page->window()->isMinimized());
        QVERIFY(!d.lifetime->ending());
        QTest::mouseClick(page, Qt::LeftButton, {}, origin + toQRect(layout.close).center());
        QVERIFY(d.lifetime->ending());
    }

    void theGradientTakesEightTo256Colours() {
        auto* picker = qobject_cast<TGradientForm*>(d.window("ToolPickerForm"));
        picker->setGradientColors(7);
        QCOMPARE(picker->GradientColors(), 64);
        picker->setGradientColors(8);
        const QImage bar = picker->captionImage(true).toImage();
        // Eight bands: the second one starts an eighth of the way in.
        QCOMPARE(bar.pixel(bar.width() / 8 - 2, bar.height() - 1), qRgb(0, 0, 0));
        QVERIFY(bar.pixel(bar.width() / 8 + 2, bar.height() - 1) != qRgb(0, 0, 0));
    }

    void theSidePictureBlendsIntoTheWindow_data() {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("bitmap");
        QTest::addColumn<QColor>("window");
        QTest::newRow("deep screen, light desktop") << 24 << "bmpFullWiz" << QColor("#efefef");
        QTest::newRow("deep screen, dark desktop") << 32 << "bmpFullWiz" << QColor("#353535");
        QTest::newRow("256 colours") << 8 << "bmpHalfWiz" << QColor("#efefef");
    }

    void theSidePictureBlendsIntoTheWindow() {
        QFETCH(int, depth);
        QFETCH(QString, bitmap);
        QFETCH(QColor, window);
        d.screen.depth = depth;
        for (const QString& name : test::kWindowNames) {
            auto* box = d.window(name)->findChild<PaintBox*>("pb2");
            QVERIFY2(box, qPrintable(name));
            QPalette palette = box->palette();
            palette.setColor(QPalette::Window, window);
            box->setPalette(palette);
            box->grab(); // the first paint gives the box the picture's size
            QCOMPARE(box->size(), QSize(109, 176));
            QCOMPARE(box->grab().toImage().convertToFormat(QImage::Format_RGB32),
                     blended(bitmap, window));
        }
        QVERIFY(blended("bmpFullWiz", window) != blended("bmpHalfWiz", window));
    }

    void noTextIsCutOff() {
        QStringList problems;
        QList<QWidget*> windows;
        for (const QString& name : test::kWindowNames)
            windows << d.window(name);
        TfrmSplash splash;
        windows << &splash;
        for (QWidget* window : windows)
            for (QWidget* control : window->findChildren<QWidget*>())
                if (const QString why = cutOff(control); !why.isEmpty())
                    problems << window->objectName() + "/" + control->objectName() + ": " + why;
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void theSplashShowsOnceAndOnlyWithoutAHost() {
        QCOMPARE(d.splash.shown, 1);
        d.pickTool("Clock");
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QVERIFY(d.press("op1fm/bb2"));
        QCOMPARE(d.splash.shown, 1);
        d.host.running = true;
        d.start();
        QCOMPARE(d.splash.shown, 0);
    }

    // Whether or not the window system makes it active, the splash goes after about 2 s.
    void theSplashClosesItselfAfterTwoSeconds() {
        TfrmSplash splash;
        QCOMPARE(splash.size(), QSize(471, 285));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!splash.findChild<QLabel*>("Image1")->pixmap().isNull());
        QCOMPARE(splash.findChild<QLabel*>("Label2")->text(), QString("Version 1.03"));
        QElapsedTimer clock;
        clock.start();
        splash.show();
        QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 5000);
        QVERIFY2(clock.elapsed() >= 1900 && clock.elapsed() < 4000,
                 qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_MAIN(WindowLookTest)
#include "WindowLookTest.moc"
