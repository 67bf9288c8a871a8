// SPDX-License-Identifier: MIT
#include "host/DBusReplyText.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusSignature>
#include <QDBusVariant>

#include <algorithm>
#include <charconv>
#include <climits>

namespace vorrel {

namespace {
QVariant unwrapped(QVariant value) {
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = qvariant_cast<QDBusVariant>(value).variant();
    return value;
}

std::string plainDecimal(double number) {
    char buffer[512];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed);
    return result.ec == std::errc{} ? std::string(buffer, result.ptr) : std::string{};
}
} // namespace

std::optional<long long> replyInteger(const QVariant& raw) {
    const QVariant value = unwrapped(raw);
    switch (value.metaType().id()) {
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return value.toLongLong();
    case QMetaType::ULongLong:
        return static_cast<long long>(std::min<qulonglong>(value.toULongLong(), LLONG_MAX));
    default:
        return std::nullopt;
    }
}

std::optional<std::string> replyText(const QVariant& raw) {
    const QVariant value = unwrapped(raw);
    const QMetaType type = value.metaType();
    if (type == QMetaType::fromType<QString>())
        return value.toString().toUtf8().toStdString();
    if (type == QMetaType::fromType<bool>())
        return value.toBool() ? "true" : "false";
    if (type == QMetaType::fromType<double>())
        return plainDecimal(value.toDouble());
    if (type == QMetaType::fromType<qulonglong>())
        return std::to_string(value.toULongLong());
    if (auto integer = replyInteger(value))
        return std::to_string(*integer);
    if (type == QMetaType::fromType<QDBusObjectPath>())
        return qvariant_cast<QDBusObjectPath>(value).path().toStdString();
    if (type == QMetaType::fromType<QDBusSignature>())
        return qvariant_cast<QDBusSignature>(value).signature().toStdString();
    return std::nullopt;
}

} // namespace vorrel
