// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

namespace vorrel {

// The core speaks UTF-8 std::string; the windows speak QString.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline std::string toStdString(const QString& text) {
    return text.toUtf8().toStdString();
}

template <typename Names> QStringList toQStringList(const Names& names) {
    QStringList list;
    for (std::string_view name : names)
        list << toQString(name);
    return list;
}

} // namespace vorrel
