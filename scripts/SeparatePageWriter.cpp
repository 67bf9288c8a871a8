// SPDX-License-Identifier: MIT
#include "scripts/SeparatePageWriter.h"

#include "app/Errors.h"
#include "app/Platform.h"
#include "editors/protocol/HostProtocol.h"
#include "host/HostEditorLink.h"
#include "scripts/SeparatePageText.h"

namespace vorrel {

namespace {

std::string pagePathWithoutHost(const WizardState& state, PageWriterServices& services) {
    // Without a choice there is no folder the user wants the page in.
    const auto folder = services.folderPicker.pickFolder(services.pickerFolder, kSaveLocationTitle);
    if (!folder)
        throw Declined{};
    return joinFolderAndName(*folder, state.pageFileName);
}

// Only a file the user agreed to lose is replaced. A link is followed, so a link to a regular
// file is written through; a FIFO or a device is never turned into a page.
void checkPagePath(const std::string& path, PageWriterServices& services) {
    switch (services.files.kindOf(path)) {
    case PathKind::None:
        return;
    case PathKind::Other:
        throw FileError("The page file " + path +
                        " could not be written: it is not a regular file.");
    case PathKind::Regular:
        if (!services.messages.askYesNo(replaceQuestion(path)))
            throw Declined{};
        return;
    }
}

// The host's document folder. A document that was never opened gets a new one; one that was
// never saved is saved (the host may ask its user where) until the host reports a folder, which
// must be a full path.
std::string pagePathFromHost(const WizardState& state, HostObject& host, AppWindows& windows) {
    if (host.call("getworkdir") == wexdor4::kNoDocumentFolder)
        host.call("opennewfile");
    while (host.call("getworkdir").empty()) {
        MinimizedScope minimized(windows);
        host.call("forcesave");
    }
    const std::string folder = host.call("getworkdir");
    if (folder.empty() || folder.front() != '/')
        throw HostError("Wexdor 4 named \"" + folder +
                        "\" as the folder of its document, which is not a full folder path, so "
                        "the page file " +
                        state.pageFileName + " was not written.");
    return folder + state.pageFileName;
}

} // namespace

std::string replaceQuestion(const std::string& path) {
    return path + " already exists. Do you want to replace it?";
}

std::string joinFolderAndName(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

void WriteSeparatePage(const WizardState& state, HostObject* host, PageWriterServices services) {
    const std::string path = host ? pagePathFromHost(state, *host, services.windows)
                                  : pagePathWithoutHost(state, services);
    checkPagePath(path, services);
    // Created before anything is copied, so that a page that cannot be created stops the run
    // with nothing done.
    const auto file = services.files.create(path);
    const std::string text =
        separatePageText(state, host == nullptr, [&](const std::string& files) {
            MinimizedScope minimized(services.windows);
            if (host)
                host->call("copyfiles", {files});
        });
    file->write(text);
    file->commit();
}

} // namespace vorrel
