// SPDX-License-Identifier: MIT
#pragma once

#include "editors/htmlhost/HtmlDocument.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace htmlhost {

// A call that needs a document while none is open.
class NoDocument : public DocumentError {
public:
    NoDocument() : DocumentError("No document is open.") {}
};

// The document the host has open and its place on disk. Every change goes to disk before the
// host reports it done; a change that cannot be saved leaves the document as it was. Failures
// throw DocumentError (NoDocument when there is no document to work on).
class Session {
public:
    // `replacePictures`: a copy may replace a different file of the same name in the folder.
    Session(QString saveAsPath, bool replacePictures)
        : saveAsPath_(std::move(saveAsPath)), replacePictures_(replacePictures) {}

    // Reads an existing file as the open document.
    void openFile(const QString& path);
    // Replaces whatever was open by an untitled document that exists in memory only.
    void openUntitled();

    bool hasDocument() const { return document_.has_value(); }
    // The document's folder with a trailing "/"; none while it is untitled. Throws NoDocument
    // when no document is open.
    std::optional<QString> folder() const;

    // Applies `change` to the document and saves the result (untitled: kept in memory).
    void edit(const std::function<void(HtmlDocument&)>& change);
    // Copies each path of a ";"-ended list into the document's folder. A file already there is
    // kept when it is the same; a different one is replaced only with replacePictures.
    void copyIntoFolder(const std::string& list) const;
    // Saves an untitled document under the save-as path, which then becomes its name.
    void forceSave();

private:
    const HtmlDocument& requireDocument() const;

    std::optional<HtmlDocument> document_;
    QString path_; // empty while untitled
    QString saveAsPath_;
    bool replacePictures_ = false;
};

} // namespace htmlhost
