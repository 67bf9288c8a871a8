// vorrel-clipboard: keeps a text on the desktop's clipboard after Vorrel has ended, for a desktop
// without a clipboard manager, until another program puts something else there. The text comes
// on standard input; Vorrel starts this program in a session of its own as it ends.

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 1;
    const QString text = QString::fromUtf8(input.readAll());
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
    QObject::connect(clipboard, &QClipboard::dataChanged, &application, [clipboard] {
        if (!clipboard->ownsClipboard())
            QGuiApplication::quit();
    });
    return application.exec();
}
