// SPDX-License-Identifier: MIT
// The placement kit and the folder copy inside Emacs, as the dynamic module vorrel-host-module:
// a put is one function call on the buffer's text, with no program started for it. Texts cross
// as UTF-8; positions go back to Lisp in characters, which is how a buffer counts.

#include "editors/files/FolderCopy.h"
#include "editors/files/WholeFile.h"
#include "editors/kit/Placement.h"

#include <emacs-module.h>

#include <cstddef>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Emacs loads only modules that say their licence is GPL-compatible; MIT is.
extern "C" {
__attribute__((visibility("default"))) int plugin_is_GPL_compatible;
__attribute__((visibility("default"))) int emacs_module_init(struct emacs_runtime* runtime);
}

namespace {

// Lisp left a non-local exit (a signal, a quit) pending: unwind back to Emacs, which goes on
// with it.
struct LispExit {};

emacs_value intern(emacs_env* env, const char* name) {
    return env->intern(env, name);
}

bool exited(emacs_env* env) {
    return env->non_local_exit_check(env) != emacs_funcall_exit_return;
}

std::string textOf(emacs_env* env, emacs_value value) {
    ptrdiff_t size = 0;
    if (!env->copy_string_contents(env, value, nullptr, &size))
        throw LispExit{};
    std::string text(static_cast<size_t>(size), '\0');
    if (!env->copy_string_contents(env, value, text.data(), &size))
        throw LispExit{};
    text.resize(static_cast<size_t>(size) - 1); // without its NUL
    return text;
}

emacs_value stringOf(emacs_env* env, std::string_view text) {
    emacs_value value = env->make_string(env, text.data(), ptrdiff_t(text.size()));
    if (exited(env))
        throw LispExit{};
    return value;
}

// The characters of UTF-8 `bytes`: every byte that does not continue a character starts one.
intmax_t charactersIn(std::string_view bytes) {
    intmax_t count = 0;
    for (const char byte : bytes)
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}

// Signals vorrel-host-error with `message`, which the host passes on to the wizard's user.
emacs_value fail(emacs_env* env, std::string_view message) {
    emacs_value data = stringOf(env, message);
    env->non_local_exit_signal(env, intern(env, "vorrel-host-error"),
                               env->funcall(env, intern(env, "list"), 1, &data));
    return nullptr;
}

// Runs `body`, so that no C++ exception reaches Emacs: each becomes a signal.
template <typename Body> emacs_value guarded(emacs_env* env, Body body) {
    try {
        return body();
    } catch (const LispExit&) {
        return nullptr;
    } catch (const std::bad_alloc&) {
        try {
            return fail(env, "Out of memory in the Vorrel host.");
        } catch (const LispExit&) {
            return nullptr;
        }
    } catch (const std::exception& error) {
        try {
            return fail(env, error.what());
        } catch (const LispExit&) {
            return nullptr;
        }
    }
}

// (vorrel-host-kit-place DOCUMENT PLACE TEXT): where TEXT goes in DOCUMENT (a buffer's text),
// as (START REMOVED INSERTED): replace REMOVED characters from character START (from 0) by the
// string INSERTED. PLACE is 0 for the head, 1 for the body, 2 for the body's start tag.
emacs_value place(emacs_env* env, ptrdiff_t, emacs_value* args, void*) noexcept {
    return guarded(env, [&]() -> emacs_value {
        const std::string document = textOf(env, args[0]);
        const intmax_t where = env->extract_integer(env, args[1]);
        if (exited(env))
            return nullptr;
        if (where < 0 || where > 2)
            return fail(env, "Unknown place in the document.");
        const std::string text = textOf(env, args[2]);
        const kit::Edit edit = kit::placeText(document, static_cast<kit::Place>(where), text);
        const std::string_view bytes(document);
        emacs_value answer[] = {
            env->make_integer(env, charactersIn(bytes.substr(0, edit.offset))),
            env->make_integer(env, charactersIn(bytes.substr(edit.offset, edit.removed))),
            stringOf(env, edit.inserted),
        };
        return env->funcall(env, intern(env, "list"), 3, answer);
    });
}

// (vorrel-host-kit-copy-files LIST FOLDER ASK): copies the files of the copy list LIST (each
// path followed by ";") into FOLDER (ending in "/"). A different file of the same name there is
// replaced only when (ASK QUESTION) answers non-nil; every question comes before the first
// write. A failure, or a file that was not copied, signals vorrel-host-error; a quit while ASK
// waits leaves everything as it was and goes on as a quit.
emacs_value copyFiles(emacs_env* env, ptrdiff_t, emacs_value* args, void*) noexcept {
    return guarded(env, [&]() -> emacs_value {
        const std::vector<std::string> sources = kit::splitFileList(textOf(env, args[0]));
        const files::FolderCopy copy(sources, textOf(env, args[1]));
        emacs_value ask = args[2];
        copy.run([&](const files::PlannedCopy& planned) {
            emacs_value question = stringOf(env, files::FolderCopy::replaceQuestion(planned));
            emacs_value yes = env->funcall(env, ask, 1, &question);
            if (exited(env))
                throw LispExit{};
            return env->is_not_nil(env, yes);
        });
        return intern(env, "nil");
    });
}

void defineFunction(emacs_env* env, const char* name, ptrdiff_t arity,
                    emacs_value (*function)(emacs_env*, ptrdiff_t, emacs_value*, void*) noexcept,
                    const char* documentation) {
    emacs_value args[] = {intern(env, name),
                          env->make_function(env, arity, arity, function, documentation, nullptr)};
    env->funcall(env, intern(env, "defalias"), 2, args);
}

} // namespace

int emacs_module_init(struct emacs_runtime* runtime) {
    // The functions used here are all in Emacs 25's environment; later ones are larger.
    if (runtime->size < ptrdiff_t(sizeof(*runtime)))
        return 1;
    emacs_env* env = runtime->get_environment(runtime);
    if (env->size < ptrdiff_t(sizeof(struct emacs_env_27)))
        return 2;
    defineFunction(env, "vorrel-host-kit-place", 3, place,
                   "Where TEXT goes in DOCUMENT at PLACE, as (START REMOVED INSERTED).\n\n"
                   "(fn DOCUMENT PLACE TEXT)");
    defineFunction(env, "vorrel-host-kit-copy-files", 3, copyFiles,
                   "Copy the files of LIST into FOLDER, asking (ASK QUESTION) before a "
                   "replace.\n\n(fn LIST FOLDER ASK)");
    emacs_value feature = intern(env, "vorrel-host-module");
    env->funcall(env, intern(env, "provide"), 1, &feature);
    return exited(env) ? 3 : 0;
}
