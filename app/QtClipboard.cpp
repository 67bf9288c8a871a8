#include "app/QtClipboard.h"

#include "chrome/QtText.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vorrel {

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(toQString(text), QClipboard::Clipboard);
}

} // namespace vorrel
