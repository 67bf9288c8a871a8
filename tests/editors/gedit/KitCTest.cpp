// The kit's C interface hands over exactly what the kit decides: every byte of both texts in
// (NUL bytes and UTF-8 included), the edit or the kit's own message out, and nothing thrown.

#include "editors/kit/capi/KitC.h"
#include "editors/kit/Placement.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace {

using namespace std::string_literals;

// The edit, or the message of the failure.
using Outcome = std::variant<kit::Edit, std::string>;

Outcome throughC(const std::string& document, int place, const std::string& text) {
    vorrel_kit_edit edit{};
    char* error = nullptr;
    if (vorrel_kit_place(document.data(), document.size(), place, text.data(), text.size(), &edit,
                         &error) != 0) {
        std::string message = error ? error : "(no message)";
        vorrel_kit_free(error);
        return message;
    }
    kit::Edit result{edit.offset, edit.removed, std::string(edit.inserted, edit.inserted_length)};
    vorrel_kit_free(edit.inserted);
    return result;
}

Outcome throughKit(const std::string& document, int place, const std::string& text) {
    try {
        return kit::placeText(document, kit::Place(place), text);
    } catch (const kit::PlacementError& e) {
        return std::string(e.what());
    }
}

struct Row {
    const char* name;
    std::string document;
    int place;
    std::string text;
};

const std::string kPage = "<html>\r\n<head><title>caf\xc3\xa9</title></head>\r\n"
                          "<body onload=\"a()\">\r\n<p>\xe2\x82\xac</p>\r\n</body>\r\n</html>\r\n";

const Row kRows[] = {
    {"head", kPage, VORREL_KIT_HEAD, "<script>var x;</script>\r\n"},
    {"body", kPage, VORREL_KIT_BODY,
     "<p>Gr\xc3\xbc\xc3\x9f"
     "e</p>"},
    {"body tag with an attribute it has", kPage, VORREL_KIT_BODY_TAG, " onload=\"b()\""},
    {"NUL bytes in both", "<html><head>\0</head><body>\0</body></html>"s, VORREL_KIT_BODY, "x\0y"s},
    {"empty text", kPage, VORREL_KIT_HEAD, ""},
    {"empty document", "", VORREL_KIT_BODY, "<p>"},
    {"frameset page", "<html><frameset><frame src=a></frameset></html>", VORREL_KIT_BODY_TAG,
     " onload=\"b()\""},
};

TEST(KitC, PlacesAsTheKitDoes) {
    for (const Row& row : kRows)
        EXPECT_EQ(throughC(row.document, row.place, row.text),
                  throughKit(row.document, row.place, row.text))
            << row.name;
}

TEST(KitC, UnknownPlaceIsAMessage) {
    for (int place : {-1, 3}) {
        const Outcome outcome = throughC(kPage, place, "x");
        ASSERT_TRUE(std::holds_alternative<std::string>(outcome)) << place;
        EXPECT_NE(std::get<std::string>(outcome).find(std::to_string(place)), std::string::npos);
    }
}

TEST(KitC, FileListComesBackNulSeparated) {
    const std::string lists[] = {"/a b/c.gif;/d\xc3\xa9.jpg;", ";;/x;;/y", "", "/last"};
    for (const std::string& list : lists) {
        size_t length = 0;
        char* joined = vorrel_kit_split_file_list(list.data(), list.size(), &length);
        ASSERT_NE(joined, nullptr);
        std::string expected;
        for (const std::string& path : kit::splitFileList(list))
            expected += path + '\0';
        EXPECT_EQ(std::string(joined, length), expected) << list;
        vorrel_kit_free(joined);
    }
}

} // namespace
