#pragma once

// The one conformance table every host must pass: documents, protocol calls in order, what each
// call answers, and the document saved after them.

#include <QByteArray>
#include <QString>

#include <vector>

namespace vorrel::test {

struct ProtocolCall {
    enum class Answer {
        Done,  // succeeds; whatever it returns is not looked at
        Text,  // answers `expected` exactly ("1" for WM_ISWEXDORRUNNING's integer)
        Error, // fails with an error reply whose message contains `expected` (any letter case)
    };
    QString method;
    QString argument; // the one string argument of the put, copy and preview calls, else unused
    Answer answer = Answer::Done;
    // "{dir}" stands for the document's folder (no trailing "/").
    QString expected;
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
    // The row opens an untitled document (opennewfile) and saves it: hosts start it from texts
    // of their own, so the suite works out the expected text from the host's untitled text,
    // with the kit placing the row's puts.
    bool untitled = false;
};

const std::vector<ConformanceRow>& conformanceTable();

} // namespace vorrel::test
