// SPDX-License-Identifier: MIT
#pragma once

// A headless Neovim with the Vorrel host plugin from the build folder, started as a test's user
// would have it (`nvim --headless --clean --listen SOCK`), and driven over msgpack-RPC on its
// socket: nvim_get_mode to see which prompt is open, nvim_input to type into it. Start it on a
// private session bus; start() returns once the plugin's bridge owns Wexdor4.Plugin.

#include "editors/protocol/HostProtocol.h"
#include "support/EndProcess.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QProcess>
#include <QString>
#include <QVariant>
#include <QtTest>

#include <functional>
#include <optional>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace vorrel::test {

// The part of msgpack that Neovim's API needs: nil, booleans, integers, strings (as bytes),
// arrays and maps; Neovim's handles (extension types) come back as their integer.
namespace msgpack {

inline void packLength(QByteArray& out, char marker, quint32 length) {
    out += marker;
    for (int shift = 24; shift >= 0; shift -= 8)
        out += char((length >> shift) & 0xff);
}

inline void pack(QByteArray& out, const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        out += char(0xc0);
        return;
    case QMetaType::Bool:
        out += char(value.toBool() ? 0xc3 : 0xc2);
        return;
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QByteArray bytes =
            value.typeId() == QMetaType::QString ? value.toString().toUtf8() : value.toByteArray();
        packLength(out, char(0xdb), quint32(bytes.size()));
        out += bytes;
        return;
    }
    case QMetaType::QVariantList: {
        const QVariantList list = value.toList();
        packLength(out, char(0xdd), quint32(list.size()));
        for (const QVariant& item : list)
            pack(out, item);
        return;
    }
    case QMetaType::QVariantMap: {
        const QVariantMap map = value.toMap();
        packLength(out, char(0xdf), quint32(map.size()));
        for (auto it = map.begin(); it != map.end(); ++it) {
            pack(out, it.key());
            pack(out, it.value());
        }
        return;
    }
    default: {
        const qint64 number = value.toLongLong();
        out += char(0xd3);
        for (int shift = 56; shift >= 0; shift -= 8)
            out += char((quint64(number) >> shift) & 0xff);
    }
    }
}

// Reads one value of `data` at `at`, moving `at` past it; none while the value is incomplete.
class Reader {
public:
    Reader(const QByteArray& data, qsizetype at) : data_(data), at_(at) {}
    qsizetype at() const { return at_; }

    std::optional<QVariant> value() {
        if (!has(1))
            return std::nullopt;
        const quint8 marker = quint8(data_[at_++]);
        if (marker <= 0x7f)
            return QVariant(qint64(marker));
        if (marker >= 0xe0)
            return QVariant(qint64(qint8(marker)));
        if ((marker & 0xf0) == 0x80)
            return map(marker & 0x0f);
        if ((marker & 0xf0) == 0x90)
            return list(marker & 0x0f);
        if ((marker & 0xe0) == 0xa0)
            return bytes(marker & 0x1f);
        switch (marker) {
        case 0xc0:
            return QVariant::fromValue(nullptr);
        case 0xc2:
            return QVariant(false);
        case 0xc3:
            return QVariant(true);
        case 0xc4:
        case 0xd9:
            return sized(1, [this](quint64 n) { return bytes(n); });
        case 0xc5:
        case 0xda:
            return sized(2, [this](quint64 n) { return bytes(n); });
        case 0xc6:
        case 0xdb:
            return sized(4, [this](quint64 n) { return bytes(n); });
        case 0xc7:
            return sized(1, [this](quint64 n) { return extension(n); });
        case 0xc8:
            return sized(2, [this](quint64 n) { return extension(n); });
        case 0xc9:
            return sized(4, [this](quint64 n) { return extension(n); });
        case 0xca:
        case 0xcb:
            return floating(marker == 0xca ? 4 : 8);
        case 0xcc:
        case 0xcd:
        case 0xce:
        case 0xcf:
            return number(1 << (marker - 0xcc), false);
        case 0xd0:
        case 0xd1:
        case 0xd2:
        case 0xd3:
            return number(1 << (marker - 0xd0), true);
        case 0xd4:
        case 0xd5:
        case 0xd6:
        case 0xd7:
        case 0xd8:
            return extension(quint64(1) << (marker - 0xd4));
        case 0xdc:
            return sized(2, [this](quint64 n) { return list(n); });
        case 0xdd:
            return sized(4, [this](quint64 n) { return list(n); });
        case 0xde:
            return sized(2, [this](quint64 n) { return map(n); });
        case 0xdf:
            return sized(4, [this](quint64 n) { return map(n); });
        }
        return QVariant(QStringLiteral("(unknown msgpack marker %1)").arg(marker));
    }

private:
    const QByteArray& data_;
    qsizetype at_;

    bool has(quint64 n) const { return quint64(data_.size() - at_) >= n; }

    std::optional<quint64> unsignedOf(int size) {
        if (!has(quint64(size)))
            return std::nullopt;
        quint64 n = 0;
        for (int i = 0; i < size; ++i)
            n = (n << 8) | quint8(data_[at_++]);
        return n;
    }

    std::optional<QVariant> sized(int size,
                                  const std::function<std::optional<QVariant>(quint64)>& read) {
        const auto n = unsignedOf(size);
        return n ? read(*n) : std::nullopt;
    }

    std::optional<QVariant> number(int size, bool isSigned) {
        const auto n = unsignedOf(size);
        if (!n)
            return std::nullopt;
        if (!isSigned || size == 8)
            return QVariant(qint64(*n));
        const quint64 sign = quint64(1) << (size * 8 - 1);
        return QVariant(qint64(*n & sign ? *n - (sign << 1) : *n));
    }

    std::optional<QVariant> floating(int size) {
        const auto n = unsignedOf(size);
        if (!n)
            return std::nullopt;
        if (size == 4) {
            float f;
            const quint32 bits = quint32(*n);
            memcpy(&f, &bits, 4);
            return QVariant(double(f));
        }
        double d;
        memcpy(&d, &*n, 8);
        return QVariant(d);
    }

    std::optional<QVariant> bytes(quint64 n) {
        if (!has(n))
            return std::nullopt;
        const QByteArray text = data_.mid(at_, qsizetype(n));
        at_ += qsizetype(n);
        return QVariant(text);
    }

    // Neovim's Buffer, Window and Tabpage: a type byte, then the handle as a msgpack integer.
    std::optional<QVariant> extension(quint64 n) {
        if (!has(n + 1))
            return std::nullopt;
        const qsizetype end = at_ + 1 + qsizetype(n);
        ++at_;
        auto handle = value();
        at_ = end;
        return handle;
    }

    std::optional<QVariant> list(quint64 n) {
        QVariantList items;
        for (quint64 i = 0; i < n; ++i) {
            auto item = value();
            if (!item)
                return std::nullopt;
            items.append(*item);
        }
        return QVariant(items);
    }

    std::optional<QVariant> map(quint64 n) {
        QVariantMap entries;
        for (quint64 i = 0; i < n; ++i) {
            auto key = value();
            auto item = key ? value() : std::nullopt;
            if (!item)
                return std::nullopt;
            entries.insert(QString::fromUtf8(key->toByteArray()), *item);
        }
        return QVariant(entries);
    }
};

} // namespace msgpack

class NeovimSession {
public:
    NeovimSession() = default;
    NeovimSession(const NeovimSession&) = delete;
    NeovimSession& operator=(const NeovimSession&) = delete;
    ~NeovimSession() { stop(); }

    // Starts Neovim on `arguments` (files, +commands) with its socket in `scratch` and the host
    // on; false, with the reason in `failure`, when the host does not come up.
    bool start(const QString& scratch, const QStringList& arguments = {}) {
        const QString plugin = qEnvironmentVariable("VORREL_NEOVIM_PLUGIN");
        if (plugin.isEmpty())
            return fail(QStringLiteral("VORREL_NEOVIM_PLUGIN is not set"));
        const QString socket = QDir(scratch).filePath(QStringLiteral("nvim.sock"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"})
            environment.insert(QString::fromLatin1(name), scratch);
        nvim_.setProcessEnvironment(environment);
        nvim_.setWorkingDirectory(scratch);
        nvim_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        nvim_.setStandardInputFile(QProcess::nullDevice());
        nvim_.setStandardOutputFile(QProcess::nullDevice());
        nvim_.start(QStringLiteral("nvim"),
                    QStringList{"--headless", "--clean", "-n", "-i", "NONE", "--listen", socket,
                                "--cmd", "set runtimepath^=" + plugin, "-c",
                                "lua require('vorrel').start()"} +
                        arguments);
        if (!nvim_.waitForStarted(10000))
            return fail(QStringLiteral("nvim does not start: ") + nvim_.errorString());
        if (!QTest::qWaitFor([&] { return connectTo(socket); }, 20000))
            return fail(QStringLiteral("nvim does not listen on ") + socket);
        if (!QTest::qWaitFor([] { return hostOnBus(); }, 20000))
            return fail(QStringLiteral("the Neovim host does not own the bus name"));
        return true;
    }

    // The connections that own Wexdor4.Plugin or wait in line for it, the owner first.
    static QStringList queuedHosts() {
        QDBusMessage message =
            QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                           "org.freedesktop.DBus", "ListQueuedOwners");
        message.setArguments({QString::fromLatin1(wexdor4::kBusName)});
        const QDBusMessage reply = QDBusConnection::sessionBus().call(message);
        return reply.type() == QDBusMessage::ReplyMessage
                   ? reply.arguments().value(0).toStringList()
                   : QStringList();
    }

    // Ends Neovim and waits until its bridge has left the bus name's line.
    void stop() {
        const qsizetype inLine = queuedHosts().size();
        if (nvim_.state() != QProcess::NotRunning) {
            notify("nvim_command", {QStringLiteral("qall!")});
            if (!nvim_.waitForFinished(10000))
                endProcess(nvim_);
        }
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
        if (!QTest::qWaitFor([&] { return queuedHosts().size() < inLine || inLine == 0; }, 10000))
            qWarning("the ended Neovim's bridge still waits for %s", wexdor4::kBusName);
    }

    // Calls an API function and returns its result; null, with the error in `failure`, when it
    // fails or Neovim does not answer.
    QVariant request(const char* method, const QVariantList& params = {}) {
        const qint64 id = nextId_++;
        if (!send({qint64(0), id, QByteArray(method), params}))
            return {};
        while (true) {
            const std::optional<QVariant> message = receive();
            if (!message) {
                fail(QStringLiteral("no answer to ") + QString::fromLatin1(method));
                return {};
            }
            const QVariantList parts = message->toList();
            if (parts.size() != 4 || parts[0].toLongLong() != 1 || parts[1].toLongLong() != id)
                continue; // a notification, or the answer to an earlier call
            if (!parts[2].isNull()) {
                fail(QString::fromLatin1(method) + QStringLiteral(" failed: ") +
                     QString::fromUtf8(parts[2].toList().value(1).toByteArray()));
                return {};
            }
            return parts[3];
        }
    }

    // The mode Neovim reads keys in: "n", "i", "c" (a command line or an input() prompt)...
    QString mode() {
        return QString::fromUtf8(
            request("nvim_get_mode").toMap().value(QStringLiteral("mode")).toByteArray());
    }

    // Types `keys` (Neovim's key notation) as its user would.
    bool input(const QString& keys) { return !request("nvim_input", {keys}).isNull(); }

    // The result of the Lua `code` run with `args`.
    QVariant lua(const QString& code, const QVariantList& args = {}) {
        return request("nvim_exec_lua", {code, args});
    }

    QString failure;

private:
    QProcess nvim_;
    int fd_ = -1;
    QByteArray received_;
    qint64 nextId_ = 1;

    bool fail(const QString& why) {
        failure = why;
        return false;
    }

    static bool hostOnBus() { return !queuedHosts().isEmpty(); }

    bool connectTo(const QString& path) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        if (fd < 0 || size_t(name.size()) >= sizeof address.sun_path)
            return false;
        memcpy(address.sun_path, name.constData(), size_t(name.size()));
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            ::close(fd);
            return false;
        }
        fd_ = fd;
        return true;
    }

    bool send(const QVariantList& message) {
        QByteArray data;
        msgpack::pack(data, message);
        for (qsizetype sent = 0; fd_ >= 0 && sent < data.size();) {
            const ssize_t n = ::write(fd_, data.constData() + sent, size_t(data.size() - sent));
            if (n <= 0)
                return fail(QStringLiteral("cannot write to nvim's socket"));
            sent += n;
        }
        return fd_ >= 0;
    }

    void notify(const char* method, const QVariantList& params) {
        send({qint64(2), QByteArray(method), params});
    }

    // The next message, waiting up to a minute for it.
    std::optional<QVariant> receive() {
        while (fd_ >= 0) {
            msgpack::Reader reader(received_, 0);
            if (auto message = reader.value()) {
                received_.remove(0, reader.at());
                return message;
            }
            pollfd readable{fd_, POLLIN, 0};
            if (::poll(&readable, 1, 60000) <= 0)
                return std::nullopt;
            char chunk[65536];
            const ssize_t n = ::read(fd_, chunk, sizeof chunk);
            if (n <= 0)
                return std::nullopt;
            received_.append(chunk, qsizetype(n));
        }
        return std::nullopt;
    }
};

} // namespace vorrel::test
