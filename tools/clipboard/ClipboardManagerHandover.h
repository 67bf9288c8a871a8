// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <xcb/xcb.h>

// Asks the X11 clipboard manager, where one owns CLIPBOARD_MANAGER, to take over the text this
// program offers on CLIPBOARD (the freedesktop.org ClipboardManager convention: a conversion of
// CLIPBOARD_MANAGER to SAVE_TARGETS, answered by a SelectionNotify). Owning the selection proves
// nothing: some XWayland servers own it and never answer. And an answer alone is not enough
// either: only a manager that has read the text from this program can offer it afterwards, and
// a paste by another program meanwhile is no such read.
class ClipboardManagerHandover : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit ClipboardManagerHandover(xcb_connection_t* connection);
    ~ClipboardManagerHandover() override;

    // Sends the request; false when no manager runs.
    bool ask();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    // The manager has read the text and says it keeps it.
    void saved();

private:
    xcb_atom_t atom(const char* name) const;
    bool byManager(xcb_window_t window) const;
    void noteRequest(const xcb_selection_request_event_t& request);
    bool noteAnswer(const xcb_selection_notify_event_t& answer);

    xcb_connection_t* connection_;
    xcb_window_t requestor_ = XCB_NONE;
    xcb_window_t managerWindow_ = XCB_NONE;
    xcb_atom_t clipboard_, manager_, saveTargets_, targets_, timestamp_, answerProperty_;
    bool asked_ = false;
    bool textRead_ = false;
};
