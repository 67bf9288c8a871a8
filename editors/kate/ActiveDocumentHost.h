// SPDX-License-Identifier: MIT
#pragma once

#include "editors/kit/Placement.h"

#include <QString>

#include <optional>
#include <stdexcept>

namespace files {
struct PlannedCopy;
} // namespace files

namespace KTextEditor {
class Application;
class View;
} // namespace KTextEditor

namespace vorrelkate {

// A request Kate cannot carry out; the text is what the wizard's user reads.
class HostFailure : public std::runtime_error {
public:
    explicit HostFailure(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// A request that needs a document while Kate has none open.
class NoDocument : public HostFailure {
public:
    NoDocument() : HostFailure(QStringLiteral("No document is open in Kate.")) {}
};

// What the wizard asks of its host editor, done on the active view of Kate's active main window
// with Kate's own calls. Failures throw HostFailure (NoDocument without a document, or
// kit::PlacementError).
class ActiveDocumentHost {
public:
    explicit ActiveDocumentHost(KTextEditor::Application* application)
        : application_(application) {}

    bool hasDocument() const { return activeView() != nullptr; }
    // The folder of the document's file with a trailing "/"; none while it is untitled.
    std::optional<QString> folder() const;
    void openNewDocument();
    // Kate's own save: an untitled document gets the Save As dialog. A document that ends up
    // unsaved (a cancelled dialog, a failed write) is a failure.
    void save();
    void put(kit::Place place, const QString& text);
    // At the view's cursor, which then stands after the text.
    void putAtCursor(const QString& text);
    // Copies each path of a ";"-ended list into the document's folder. A different file of the
    // same name there is replaced only when the user agrees.
    void copyFiles(const QString& list) const;
    void preview(const QString& path) const;

private:
    KTextEditor::View* activeView() const;
    KTextEditor::View* requireEditableView() const;
    QString requireFolder() const;
    bool mayReplace(const files::PlannedCopy& copy) const;

    KTextEditor::Application* application_;
};

} // namespace vorrelkate
