// SPDX-License-Identifier: MIT
#ifndef VORREL_KIT_C_H
#define VORREL_KIT_C_H

/* The placement kit for hosts that are not written in C++ (the gedit plugin loads it with
 * Python's ctypes). Texts are UTF-8 bytes with their lengths, so a NUL byte is an ordinary byte.
 * No function throws; memory the library hands out is given back with vorrel_kit_free. */

#include <stddef.h>

#define VORREL_KIT_API __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

/* The values of kit::Place. */
enum { VORREL_KIT_HEAD = 0, VORREL_KIT_BODY = 1, VORREL_KIT_BODY_TAG = 2 };

/* Replace `removed` bytes at byte `offset` by the `inserted_length` bytes at `inserted`. */
typedef struct {
    size_t offset;
    size_t removed;
    char* inserted;
    size_t inserted_length;
} vorrel_kit_edit;

/* 0: `edit` holds the edit, its `inserted` to be freed. Otherwise `*error` is a NUL-ended
 * message for the user (to be freed) and `edit` is untouched. */
VORREL_KIT_API int vorrel_kit_place(const char* document, size_t document_length, int place,
                                    const char* text, size_t text_length, vorrel_kit_edit* edit,
                                    char** error);

/* The paths of a copy list, each followed by one NUL byte, `*length` bytes in all; NULL when
 * memory runs out. */
VORREL_KIT_API char* vorrel_kit_split_file_list(const char* list, size_t list_length,
                                                size_t* length);

VORREL_KIT_API void vorrel_kit_free(void* memory);

#ifdef __cplusplus
}
#endif

#endif
