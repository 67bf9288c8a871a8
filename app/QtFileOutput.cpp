#include "app/QtFileOutput.h"

#include "app/Errors.h"
#include "chrome/QtText.h"

#include <QFileInfo>
#include <QSaveFile>

namespace vorrel {

namespace {

class SavedFile : public OutputFile {
public:
    explicit SavedFile(const QString& path) : file_(path) {
        // Nothing is ever written through a temporary file into a folder the user did not see.
        file_.setDirectWriteFallback(false);
        if (QFileInfo(path).isDir())
            fail("it is a folder");
        if (!file_.open(QIODevice::WriteOnly))
            fail(file_.errorString());
    }

    void write(std::string_view bytes) override {
        if (file_.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
            fail(file_.errorString());
    }

    void commit() override {
        if (!file_.commit())
            fail(file_.errorString());
    }

private:
    [[noreturn]] void fail(const QString& reason) {
        throw FileError("The page file " + toStdString(file_.fileName()) +
                        " could not be written: " + toStdString(reason) + ".");
    }

    QSaveFile file_;
};

} // namespace

std::unique_ptr<OutputFile> QtFileOutput::create(const std::string& path) {
    return std::make_unique<SavedFile>(toQString(path));
}

} // namespace vorrel
