// SPDX-License-Identifier: MIT
#pragma once

#include <QEvent>

namespace vorrel {

// A numbered message posted into the application's queue from outside the program.
class PostedMessage : public QEvent {
public:
    explicit PostedMessage(unsigned number) : QEvent(eventType()), number_(number) {}
    unsigned number() const { return number_; }

    static QEvent::Type eventType() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

private:
    unsigned number_;
};

} // namespace vorrel
