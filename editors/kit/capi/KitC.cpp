// SPDX-License-Identifier: MIT
#include "editors/kit/capi/KitC.h"

#include "editors/kit/Placement.h"

#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>
#include <string>
#include <string_view>

namespace {

// A malloc'ed copy, so that callers in any language free it with one call.
char* copyOut(std::string_view bytes) {
    auto* copy = static_cast<char*>(std::malloc(bytes.size() + 1));
    if (copy) {
        std::memcpy(copy, bytes.data(), bytes.size());
        copy[bytes.size()] = '\0';
    }
    return copy;
}

int fail(char** error, std::string_view message) {
    if (error)
        *error = copyOut(message);
    return 1;
}

std::string_view view(const char* bytes, size_t length) {
    return length == 0 ? std::string_view() : std::string_view(bytes, length);
}

} // namespace

extern "C" int vorrel_kit_place(const char* document, size_t document_length, int place,
                                const char* text, size_t text_length, vorrel_kit_edit* edit,
                                char** error) {
    if (place < VORREL_KIT_HEAD || place > VORREL_KIT_BODY_TAG)
        return fail(error, "Unknown place " + std::to_string(place) + " in the document.");
    // Exceptions must not cross into C (or Python): each becomes an error message.
    try {
        const kit::Edit result =
            kit::placeText(view(document, document_length), static_cast<kit::Place>(place),
                           view(text, text_length));
        char* inserted = copyOut(result.inserted);
        if (!inserted)
            throw std::bad_alloc();
        *edit = {result.offset, result.removed, inserted, result.inserted.size()};
        return 0;
    } catch (const std::bad_alloc&) {
        return fail(error, "Out of memory while placing the text.");
    } catch (const std::exception& e) {
        return fail(error, e.what());
    }
}

extern "C" char* vorrel_kit_split_file_list(const char* list, size_t list_length, size_t* length) {
    try {
        std::string joined;
        for (const std::string& path : kit::splitFileList(view(list, list_length))) {
            joined += path;
            joined += '\0';
        }
        *length = joined.size();
        return copyOut(joined);
    } catch (const std::exception&) {
        return nullptr;
    }
}

extern "C" void vorrel_kit_free(void* memory) {
    std::free(memory);
}
