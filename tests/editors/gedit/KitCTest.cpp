// SPDX-License-Identifier: MIT
// The kit's C interface hands over exactly what the kit decides: every byte in (NUL bytes and
// UTF-8 included), the edit or the kit's own message out, never an exception.

#include "editors/kit/capi/KitC.h"
#include "editors/kit/Placement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

// "edit OFFSET REMOVED INSERTED" or "error MESSAGE".
std::string throughC(const std::string& document, int place, const std::string& text) {
    vorrel_kit_edit edit{};
    char* error = nullptr;
    if (vorrel_kit_place(document.data(), document.size(), place, text.data(), text.size(), &edit,
                         &error) != 0) {
        const std::string message = "error "s + (error ? error : "(none)");
        vorrel_kit_free(error);
        return message;
    }
    const std::string inserted(edit.inserted, edit.inserted_length);
    vorrel_kit_free(edit.inserted);
    return "edit " + std::to_string(edit.offset) + " " + std::to_string(edit.removed) + " " +
           inserted;
}

std::string throughKit(const std::string& document, int place, const std::string& text) {
    if (place < 0 || place > 2)
        return "error Unknown place " + std::to_string(place) + " in the document.";
    try {
        const kit::Edit edit = kit::placeText(document, kit::Place(place), text);
        return "edit " + std::to_string(edit.offset) + " " + std::to_string(edit.removed) + " " +
               edit.inserted;
    } catch (const kit::PlacementError& e) {
        return "error "s + e.what();
    }
}

TEST(KitC, PlacesAsTheKitDoes) {
    const std::string page = "<html>\r\n<head><title>caf\xc3\xa9</title></head>\r\n"
                             "<body onload=\"a()\">\r\n<p>\xe2\x82\xac</p>\r\n</body></html>\r\n";
    const struct {
        std::string document;
        int place;
        std::string text;
    } rows[] = {
        {page, VORREL_KIT_HEAD, "<script>var x;</script>\r\n"},
        {page, VORREL_KIT_BODY,
         "<p>Gr\xc3\xbc\xc3\x9f"
         "e</p>"},
        {page, VORREL_KIT_BODY_TAG, " onload=\"b()\""}, // merged: bytes are removed too
        {"<html><head>\0</head><body>\0</body></html>"s, VORREL_KIT_BODY, "x\0y"s},
        {"", VORREL_KIT_BODY, ""},
        {"<html><frameset><frame src=a></frameset></html>", VORREL_KIT_BODY_TAG, " id=x"},
        {page, 3, "x"},
        {page, -1, "x"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(throughC(row.document, row.place, row.text),
                  throughKit(row.document, row.place, row.text))
            << row.place << " " << row.text;
}

TEST(KitC, FileListComesBackNulSeparated) {
    const std::string list = ";/a b/c.gif;;/d\xc3\xa9.jpg;/last";
    size_t length = 0;
    char* joined = vorrel_kit_split_file_list(list.data(), list.size(), &length);
    ASSERT_NE(joined, nullptr);
    std::string expected;
    for (const std::string& path : kit::splitFileList(list))
        expected += path + '\0';
    EXPECT_EQ(std::string(joined, length), expected);
    vorrel_kit_free(joined);
}

} // namespace
