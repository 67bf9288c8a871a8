// SPDX-License-Identifier: MIT
#pragma once

namespace vorrel {

// The two generators share most emitted text byte for byte; where they differ, a builder takes
// the generator it is writing for.
enum class TemplateVariant {
    Insertion, // text placed into the host document (or onto the clipboard)
    Page,      // text of a separate page file
};

} // namespace vorrel
