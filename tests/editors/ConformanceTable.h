// SPDX-License-Identifier: MIT
#pragma once

// The one conformance table every host must pass: documents, protocol calls in order, what each
// call answers, and the document saved after them.

#include <QByteArray>
#include <QString>

#include "HostDriver.h"

#include <vector>

namespace vorrel::test {

struct ProtocolCall {
    enum class Answer {
        Done,  // succeeds; whatever it returns is not looked at
        Text,  // answers `expected` exactly ("1" for WM_ISWEXDORRUNNING's integer)
        Error, // fails with an error reply whose message contains `expected` (any letter case)
    };
    QString method;
    // The one string argument of the put, copy and preview calls, else unused; "{dir}" stands for
    // the document's folder here too.
    QString argument;
    Answer answer = Answer::Done;
    // "{dir}" stands for the document's folder (no trailing "/").
    QString expected;
};

// A file in the row's folder (the document is "page.html" there).
struct FolderFile {
    const char* path; // relative to the row's folder
    QByteArray bytes; // null: a FIFO; as an expectation, null means "not there"
};

struct ConformanceRow {
    const char* name;
    enum class Start {
        File,       // `document` in a file of its own
        NoDocument, // no document open
    } start = Start::File;
    QByteArray document;
    std::vector<ProtocolCall> calls;
    // The document a final forcesave writes; null when the row ends without a document.
    QByteArray expected;
    // The row opens an untitled document (opennewfile) and saves it. Hosts start it from texts
    // of their own, so `expected` is what an editor saves (its untitled document is empty) and
    // `expectedFromSkeleton` what a host saves whose untitled document is `untitledSkeleton`.
    bool untitled = false;
    QByteArray expectedFromSkeleton = {};
    // Files made in the row's folder before the host starts, and what the folder holds after
    // the calls.
    std::vector<FolderFile> files = {};
    std::vector<FolderFile> expectedFiles = {};
    // How the user answers when the host asks whether to replace a file: htmlhost, which has no
    // user, is started with --replace-pictures for "yes".
    HostStart::Consent replace = HostStart::Consent::NotAsked;
};

// The untitled document of a host that starts one with an HTML skeleton (htmlhost).
inline constexpr const char* untitledSkeleton =
    "<html>\n<head>\n<title>Untitled</title>\n</head>\n<body>\n</body>\n</html>\n";

const std::vector<ConformanceRow>& conformanceTable();

} // namespace vorrel::test
