// SPDX-License-Identifier: MIT
#pragma once

#include <QVariant>

#include <optional>
#include <string>

namespace vorrel {

// A host's reply value as text: a string as it is, a boolean as "true"/"false", a number in plain
// decimal; a variant is unwrapped first. Nothing for a value that has no text form.
std::optional<std::string> replyText(const QVariant& value);

// The reply value as an integer, when it is one of the bus's integer types.
std::optional<long long> replyInteger(const QVariant& value);

} // namespace vorrel
