// SPDX-License-Identifier: MIT
#include "ClipboardManagerHandover.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>

ClipboardManagerHandover::ClipboardManagerHandover(xcb_connection_t* connection)
    : connection_(connection), clipboard_(atom("CLIPBOARD")), manager_(atom("CLIPBOARD_MANAGER")),
      saveTargets_(atom("SAVE_TARGETS")), targets_(atom("TARGETS")), timestamp_(atom("TIMESTAMP")),
      answerProperty_(atom("_VORREL_CLIPBOARD_SAVED")) {}

ClipboardManagerHandover::~ClipboardManagerHandover() {
    if (requestor_ != XCB_NONE) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        xcb_destroy_window(connection_, requestor_);
        xcb_flush(connection_);
    }
}

xcb_atom_t ClipboardManagerHandover::atom(const char* name) const {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

bool ClipboardManagerHandover::ask() {
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, manager_), nullptr);
    managerWindow_ = owner ? owner->owner : xcb_window_t(XCB_NONE);
    std::free(owner);
    if (managerWindow_ == XCB_NONE || manager_ == XCB_ATOM_NONE)
        return false;
    // The answer comes to a window of this class's own, so that Qt's clipboard never takes it
    // for one of its own conversions.
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    requestor_ = xcb_generate_id(connection_);
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, requestor_, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    QCoreApplication::instance()->installNativeEventFilter(this);
    // No list of targets in the property: the manager asks this program for its TARGETS.
    xcb_convert_selection(connection_, requestor_, manager_, saveTargets_, answerProperty_,
                          XCB_CURRENT_TIME);
    xcb_flush(connection_);
    asked_ = true;
    return true;
}

bool ClipboardManagerHandover::nativeEventFilter(const QByteArray& eventType, void* message,
                                                 qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & ~0x80) {
    case XCB_SELECTION_REQUEST:
        // Qt's clipboard answers it; this only notes what was asked for.
        noteRequest(*reinterpret_cast<const xcb_selection_request_event_t*>(event));
        return false;
    case XCB_SELECTION_NOTIFY:
        return noteAnswer(*reinterpret_cast<const xcb_selection_notify_event_t*>(event));
    default:
        return false;
    }
}

// Whether the window belongs to the manager's client: the X server gives each client ids that
// differ from every other client's outside the mask, and a manager may read through a window
// other than the one that owns its selection.
bool ClipboardManagerHandover::byManager(xcb_window_t window) const {
    const uint32_t mask = xcb_get_setup(connection_)->resource_id_mask;
    return (window & ~mask) == (managerWindow_ & ~mask);
}

// Anything but the list of targets and the time of ownership carries the text (MULTIPLE
// included, which some managers use to read every target at once).
void ClipboardManagerHandover::noteRequest(const xcb_selection_request_event_t& request) {
    if (asked_ && request.selection == clipboard_ && request.target != targets_ &&
        request.target != timestamp_ && byManager(request.requestor))
        textRead_ = true;
}

bool ClipboardManagerHandover::noteAnswer(const xcb_selection_notify_event_t& answer) {
    if (answer.requestor != requestor_ || answer.selection != manager_ || !asked_)
        return false;
    asked_ = false;
    // A refusal names no property.
    if (answer.property != XCB_NONE && textRead_)
        emit saved();
    return true;
}
