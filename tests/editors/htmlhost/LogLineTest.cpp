// SPDX-License-Identifier: MIT
#include "editors/htmlhost/LogLine.h"

#include <gtest/gtest.h>

namespace htmlhost {
namespace {

TEST(LogLine, MethodFirstThenArgumentsInOrder) {
    EXPECT_EQ(logLine("WM_ISWEXDORRUNNING", {}), R"({"method":"WM_ISWEXDORRUNNING","args":[]})");
    EXPECT_EQ(logLine("copyfiles", {"a", "", "b"}),
              R"({"method":"copyfiles","args":["a","","b"]})");
}

TEST(LogLine, EscapesWhatJsonRequiresAndKeepsUtf8) {
    const std::string text = "say \"hi\"\\\r\n\t\x01\x1f caf\xc3\xa9 \xe2\x82\xac </script>";
    EXPECT_EQ(logLine("m", {text}),
              "{\"method\":\"m\",\"args\":[\"say \\\"hi\\\"\\\\\\r\\n\\t\\u0001\\u001f "
              "caf\xc3\xa9 \xe2\x82\xac </script>\"]}");
}

} // namespace
} // namespace htmlhost
