// SPDX-License-Identifier: MIT
#include "ActiveDocumentHost.h"

#include "BufferText.h"

#include "editors/files/FolderCopy.h"
#include "editors/files/WholeFile.h"

#include <KTextEditor/Application>
#include <KTextEditor/Document>
#include <KTextEditor/MainWindow>
#include <KTextEditor/View>

#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace vorrelkate {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

KTextEditor::Cursor toCursor(const BufferPosition& position) {
    return {position.line, position.column};
}

// Where `text` ends once it is inserted at `start`.
KTextEditor::Cursor endOfInsertion(KTextEditor::Cursor start, const QString& text) {
    const int lineEnds = text.count(QLatin1Char('\n'));
    if (lineEnds == 0)
        return {start.line(), start.column() + static_cast<int>(text.size())};
    return {start.line() + lineEnds,
            static_cast<int>(text.size() - text.lastIndexOf(QLatin1Char('\n')) - 1)};
}

// Kate ends the undo group it is adding to when the view's cursor moves, and otherwise merges a
// change made only of single-line inserts into the one before: a put next to what the user just
// typed would be taken back together with it, and the user's next keystrokes with the put.
// Reporting the cursor where it stands ends the group without moving anything on screen.
void endUndoGroup(KTextEditor::View* view) {
    Q_EMIT view->cursorPositionChanged(view, view->cursorPosition());
}

// Replaces `range` by `text` (lines ended by "\n") as one step of Kate's undo history.
void replaceAsOneUndoStep(KTextEditor::View* view, KTextEditor::Range range, const QString& text) {
    KTextEditor::Document* document = view->document();
    endUndoGroup(view);
    bool applied = true;
    {
        KTextEditor::Document::EditingTransaction transaction(document);
        if (!range.isEmpty())
            applied = document->removeText(range);
        applied = applied && document->insertText(range.start(), text);
    }
    endUndoGroup(view);
    if (!applied)
        throw HostFailure(
            QStringLiteral("Kate did not accept the change to %1.").arg(document->documentName()));
}

} // namespace

KTextEditor::View* ActiveDocumentHost::activeView() const {
    KTextEditor::MainWindow* window = application_->activeMainWindow();
    return window ? window->activeView() : nullptr;
}

KTextEditor::View* ActiveDocumentHost::requireEditableView() const {
    KTextEditor::View* view = activeView();
    if (!view)
        throw NoDocument();
    if (!view->document()->isReadWrite())
        throw HostFailure(QStringLiteral("%1 is read-only in Kate, so nothing was inserted.")
                              .arg(view->document()->documentName()));
    return view;
}

std::optional<QString> ActiveDocumentHost::folder() const {
    const KTextEditor::View* view = activeView();
    if (!view)
        throw NoDocument();
    const QUrl url = view->document()->url();
    if (url.isEmpty())
        return std::nullopt;
    if (!url.isLocalFile())
        throw HostFailure(QStringLiteral("%1 is not a file on this computer, so it has no folder "
                                         "that pages and pictures can be written to.")
                              .arg(url.toDisplayString()));
    const QString folder = QFileInfo(url.toLocalFile()).absolutePath();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

void ActiveDocumentHost::openNewDocument() {
    KTextEditor::MainWindow* window = application_->activeMainWindow();
    if (!window || !window->openUrl(QUrl()))
        throw HostFailure(QStringLiteral("Kate could not open a new document."));
}

void ActiveDocumentHost::save() {
    const KTextEditor::View* view = activeView();
    if (!view)
        throw NoDocument();
    // The Save As dialog of an untitled document runs an event loop of its own until it closes.
    if (!view->document()->documentSave() || view->document()->url().isEmpty())
        throw HostFailure(QStringLiteral("The document was not saved."));
}

void ActiveDocumentHost::put(kit::Place place, const QString& text) {
    KTextEditor::View* view = requireEditableView();
    const std::string document = view->document()->text().toStdString();
    const kit::Edit edit = kit::placeText(document, place, text.toStdString());
    const KTextEditor::Range range(toCursor(bufferPosition(document, edit.offset)),
                                   toCursor(bufferPosition(document, edit.offset + edit.removed)));
    replaceAsOneUndoStep(view, range, fromUtf8(bufferLines(edit.inserted)));
}

void ActiveDocumentHost::putAtCursor(const QString& text) {
    KTextEditor::View* view = requireEditableView();
    const KTextEditor::Cursor cursor = view->cursorPosition();
    const QString lines = fromUtf8(bufferLines(text.toStdString()));
    replaceAsOneUndoStep(view, KTextEditor::Range(cursor, cursor), lines);
    view->setCursorPosition(endOfInsertion(cursor, lines));
}

QString ActiveDocumentHost::requireFolder() const {
    const QString folder = this->folder().value_or(QString());
    if (folder.isEmpty())
        throw HostFailure(QStringLiteral("The document has not been saved yet, so it has no "
                                         "folder to copy files into."));
    return folder;
}

void ActiveDocumentHost::copyFiles(const QString& list) const {
    const QString folder = requireFolder();
    try {
        const files::FolderCopy copy(kit::splitFileList(list.toStdString()), folder.toStdString());
        copy.run([this](const files::PlannedCopy& replaced) { return mayReplace(replaced); });
    } catch (const files::FileError& error) {
        throw HostFailure(QString::fromUtf8(error.what()));
    }
}

// Asked over Kate's window, with No as the default: the file there may be the user's own.
bool ActiveDocumentHost::mayReplace(const files::PlannedCopy& copy) const {
    KTextEditor::MainWindow* window = application_->activeMainWindow();
    return QMessageBox::question(window ? window->window() : nullptr, QStringLiteral("Vorrel"),
                                 fromUtf8(files::FolderCopy::replaceQuestion(copy)),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void ActiveDocumentHost::preview(const QString& path) const {
    if (path.isEmpty())
        throw HostFailure(QStringLiteral("No page to preview was given."));
    const bool isUrl = path.contains(QLatin1String("://"));
    if (!isUrl && !QFileInfo::exists(path))
        throw HostFailure(QStringLiteral("Cannot preview %1: no such file.").arg(path));
    if (!QDesktopServices::openUrl(isUrl ? QUrl(path) : QUrl::fromLocalFile(path)))
        throw HostFailure(
            QStringLiteral("Cannot preview %1: the desktop could not open a web browser.")
                .arg(path));
}

} // namespace vorrelkate
