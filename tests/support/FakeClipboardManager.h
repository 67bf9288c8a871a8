// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <xcb/xcb.h>

namespace vorrel::test {

// An X11 clipboard manager for a test: it owns CLIPBOARD_MANAGER on $DISPLAY and answers a
// conversion to SAVE_TARGETS as it is told. It reports on standard output, one line each: "ready"
// once it owns the manager selection, "asked" for every SAVE_TARGETS request, "answered" once it
// has answered one.
class FakeClipboardManager {
public:
    enum class Answer {
        Saves,          // reads the text, takes the clipboard over, then says yes
        Refuses,        // says no
        Silent,         // never answers
        SaysSavedUnread // says yes without reading anything
    };

    // Runs until it is killed; 1 when it cannot own the manager selection.
    static int run(Answer answer) {
        FakeClipboardManager manager(answer);
        return manager.start() ? manager.serve() : 1;
    }

private:
    explicit FakeClipboardManager(Answer answer) : answer_(answer) {}

    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            c_, xcb_intern_atom(c_, 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return atom;
    }

    bool start() {
        c_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c_))
            return false;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
        window_ = xcb_generate_id(c_);
        xcb_create_window(c_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        manager_ = atom("CLIPBOARD_MANAGER");
        saveTargets_ = atom("SAVE_TARGETS");
        clipboard_ = atom("CLIPBOARD");
        targets_ = atom("TARGETS");
        utf8_ = atom("UTF8_STRING");
        saved_ = atom("FAKE_MANAGER_SAVED");
        xcb_set_selection_owner(c_, window_, manager_, XCB_CURRENT_TIME);
        xcb_get_selection_owner_reply_t* owner =
            xcb_get_selection_owner_reply(c_, xcb_get_selection_owner(c_, manager_), nullptr);
        const bool owns = owner && owner->owner == window_;
        std::free(owner);
        if (owns)
            say("ready");
        return owns;
    }

    int serve() {
        while (xcb_generic_event_t* event = xcb_wait_for_event(c_)) {
            switch (event->response_type & ~0x80) {
            case XCB_SELECTION_REQUEST:
                request(*reinterpret_cast<xcb_selection_request_event_t*>(event));
                break;
            case XCB_SELECTION_NOTIFY:
                textArrived(*reinterpret_cast<xcb_selection_notify_event_t*>(event));
                break;
            }
            std::free(event);
        }
        return 0;
    }

    void request(const xcb_selection_request_event_t& request) {
        if (request.selection == manager_ && request.target == saveTargets_) {
            say("asked");
            if (answer_ == Answer::Saves) {
                pending_ = request;
                xcb_convert_selection(c_, window_, clipboard_, utf8_, saved_, XCB_CURRENT_TIME);
                xcb_flush(c_);
            } else if (answer_ != Answer::Silent) {
                reply(request, answer_ == Answer::Refuses ? XCB_NONE : property(request));
                say("answered");
            }
        } else if (request.selection == clipboard_ && !text_.empty()) {
            offer(request);
        } else {
            reply(request, XCB_NONE);
        }
    }

    // The text read for a pending SAVE_TARGETS: the manager owns the clipboard before it says
    // yes, as real ones do.
    void textArrived(const xcb_selection_notify_event_t& notify) {
        if (notify.requestor != window_ || notify.selection != clipboard_ || !pending_.requestor)
            return;
        xcb_get_property_reply_t* value = xcb_get_property_reply(
            c_, xcb_get_property(c_, 1, window_, saved_, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 24),
            nullptr);
        if (value && notify.property != XCB_NONE)
            text_.assign(static_cast<const char*>(xcb_get_property_value(value)),
                         std::size_t(xcb_get_property_value_length(value)));
        std::free(value);
        if (!text_.empty())
            xcb_set_selection_owner(c_, window_, clipboard_, XCB_CURRENT_TIME);
        reply(pending_, text_.empty() ? XCB_NONE : property(pending_));
        pending_ = {};
        say("answered");
    }

    void offer(const xcb_selection_request_event_t& request) {
        if (request.target == targets_) {
            const xcb_atom_t offered[] = {targets_, utf8_, XCB_ATOM_STRING};
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, request.requestor, property(request),
                                XCB_ATOM_ATOM, 32, 3, offered);
        } else if (request.target == utf8_ || request.target == XCB_ATOM_STRING) {
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, request.requestor, property(request),
                                request.target, 8, uint32_t(text_.size()), text_.data());
        } else {
            reply(request, XCB_NONE);
            return;
        }
        reply(request, property(request));
    }

    static xcb_atom_t property(const xcb_selection_request_event_t& request) {
        return request.property != XCB_NONE ? request.property : request.target;
    }

    void reply(const xcb_selection_request_event_t& request, xcb_atom_t property) {
        xcb_selection_notify_event_t notify{};
        notify.response_type = XCB_SELECTION_NOTIFY;
        notify.time = request.time;
        notify.requestor = request.requestor;
        notify.selection = request.selection;
        notify.target = request.target;
        notify.property = property;
        xcb_send_event(c_, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&notify));
        xcb_flush(c_);
    }

    static void say(const char* line) {
        std::printf("%s\n", line);
        std::fflush(stdout);
    }

    Answer answer_;
    xcb_connection_t* c_ = nullptr;
    xcb_window_t window_ = XCB_NONE;
    xcb_atom_t manager_ = XCB_NONE, saveTargets_ = XCB_NONE, clipboard_ = XCB_NONE,
               targets_ = XCB_NONE, utf8_ = XCB_NONE, saved_ = XCB_NONE;
    xcb_selection_request_event_t pending_{};
    std::string text_;
};

} // namespace vorrel::test
