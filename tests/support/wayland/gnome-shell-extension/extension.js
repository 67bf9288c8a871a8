// SPDX-License-Identifier: MIT
// The test harness's side of GNOME Shell. Enabling it opens org.gnome.Shell.Eval (and the
// shell's other test-only services) to the private session bus of the test, and gives Eval a
// few calls: the windows as the shell has them, and a pointer and a keyboard of the test's own.
'use strict';

const { Clutter, GLib, Meta } = imports.gi;
const Main = imports.ui.main;

let pointer = null;
let keyboard = null;

function now() {
    return GLib.get_monotonic_time();
}

// The harness names buttons by their evdev codes; the virtual pointer takes Clutter's numbers.
const CLUTTER_BUTTONS = { 0x110: Clutter.BUTTON_PRIMARY, 0x111: Clutter.BUTTON_SECONDARY,
    0x112: Clutter.BUTTON_MIDDLE };

var harness = {
    // Leaves the overview the shell starts in, drops its start-up notices and makes the input
    // devices; returns what an X client needs to reach the shell's XWayland, and whether the
    // shell is still starting (it opens the overview once it has started).
    prepare() {
        const seat = Clutter.get_default_backend().get_default_seat();
        pointer = pointer || seat.create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);
        keyboard = keyboard || seat.create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
        Main.overview.hide();
        Main.messageTray.getSources().forEach(source => source.destroy());
        return JSON.stringify({
            display: GLib.getenv('DISPLAY') || '',
            xauthority: GLib.getenv('XAUTHORITY') || '',
            overview: Main.overview.visible,
            startingUp: Main.layoutManager._startingUp,
        });
    },

    state() {
        const [x, y] = global.get_pointer();
        const windows = global.display.list_all_windows().map(w => {
            const r = w.get_frame_rect();
            // Shown only once its picture is on the stage: before that the pointer passes
            // through it.
            const actor = w.get_compositor_private();
            return {
                title: w.get_title() || '',
                x: r.x, y: r.y, width: r.width, height: r.height,
                minimized: w.minimized,
                hidden: w.is_hidden() || !actor || !actor.visible || !actor.mapped,
                active: w.has_focus(),
                pid: w.get_pid(),
                x11: w.get_client_type() === 1,
                overrideRedirect: w.is_override_redirect(),
            };
        });
        return JSON.stringify({
            pointer: { x, y },
            overview: Main.overview.visible,
            moving: global.display.get_grab_op() !== Meta.GrabOp.NONE,
            windows,
        });
    },

    // Whether a press now would reach the window a user sees at the pointer: the top one of
    // the shown windows there. A window reaches the stage's picking only once it has been
    // painted, and one just hidden may stay in it until the next paint; a press on what the
    // picking finds holds the pointer there until the release.
    windowAtPointer() {
        const [x, y] = global.get_pointer();
        let picked = null;
        for (let a = global.stage.get_actor_at_pos(Clutter.PickMode.REACTIVE, x, y); a && !picked;
            a = a.get_parent()) {
            if (a instanceof Meta.WindowActor)
                picked = a.get_meta_window();
        }
        const there = global.display.sort_windows_by_stacking(global.display.list_all_windows())
            .filter(w => {
                const actor = w.get_compositor_private();
                const r = w.get_frame_rect();
                return !w.minimized && !w.is_hidden() && actor && actor.visible &&
                    x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
            });
        return picked !== null && there.length > 0 && there[there.length - 1] === picked;
    },

    move(x, y) {
        pointer.notify_absolute_motion(now(), x, y);
        return true;
    },

    button(code, pressed) {
        pointer.notify_button(now(), CLUTTER_BUTTONS[code],
            pressed ? Clutter.ButtonState.PRESSED : Clutter.ButtonState.RELEASED);
        return true;
    },

    key(code, pressed) {
        keyboard.notify_key(now(), code,
            pressed ? Clutter.KeyState.PRESSED : Clutter.KeyState.RELEASED);
        return true;
    },
};

function init() {
}

function enable() {
    global.context.unsafe_mode = true;
    globalThis.vorrelHarness = harness;
    // The shell opens its overview when its start is over; the tests want the desktop.
    if (Main.layoutManager._startingUp) {
        Main.sessionMode.hasOverview = false;
        const id = Main.layoutManager.connect('startup-complete', () => {
            Main.layoutManager.disconnect(id);
            Main.sessionMode.hasOverview = true;
        });
    }
}

function disable() {
    delete globalThis.vorrelHarness;
    global.context.unsafe_mode = false;
}
