#include "app/QtClipboard.h"

#include "chrome/QtText.h"

#include <QClipboard>
#include <QGuiApplication>

#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace vorrel {

namespace {

// Whether an X11 clipboard manager owns the CLIPBOARD_MANAGER selection.
bool clipboardManagerRuns(xcb_connection_t* connection) {
    static const char name[] = "CLIPBOARD_MANAGER";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
    if (!atom)
        return false;
    const bool named = atom->atom != XCB_ATOM_NONE;
    xcb_get_selection_owner_reply_t* owner =
        named ? xcb_get_selection_owner_reply(
                    connection, xcb_get_selection_owner(connection, atom->atom), nullptr)
              : nullptr;
    const bool runs = owner && owner->owner != XCB_NONE;
    free(owner);
    free(atom);
    return runs;
}

// Starts `program` in a session of its own with `text` on its standard input.
void startWithInput(const QByteArray& program, const std::string& text) {
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0)
        return;
    // Opened before the split: only plain system calls are safe in the child.
    const int nothing = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setsid();
        ::dup2(pipe[0], STDIN_FILENO);
        // It outlives the program: it must not hold the program's output open for whoever
        // reads it.
        if (nothing >= 0) {
            ::dup2(nothing, STDOUT_FILENO);
            ::dup2(nothing, STDERR_FILENO);
        }
        char* const argv[] = {const_cast<char*>(program.constData()), nullptr};
        ::execv(program.constData(), argv);
        ::_exit(127);
    }
    ::close(pipe[0]);
    if (nothing >= 0)
        ::close(nothing);
    if (pid > 0) {
        for (std::size_t written = 0; written < text.size();) {
            const ssize_t n = ::write(pipe[1], text.data() + written, text.size() - written);
            if (n <= 0)
                break;
            written += std::size_t(n);
        }
    }
    ::close(pipe[1]);
}

} // namespace

void QtClipboard::setText(const std::string& text) {
    text_ = text;
    QGuiApplication::clipboard()->setText(toQString(text), QClipboard::Clipboard);
}

void QtClipboard::keepAfterExit(const QString& keeper) {
    if (text_.empty() || !QGuiApplication::clipboard()->ownsClipboard())
        return;
    // Elsewhere (Wayland, no display) nothing outlives the program's own offer.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || clipboardManagerRuns(x11->connection()))
        return;
    startWithInput(keeper.toLocal8Bit(), text_);
}

} // namespace vorrel
