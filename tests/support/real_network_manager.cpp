#include "real_network_manager.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

// The namespace is started with QProcess, which replaces the child by the
// program at once; ThreadSanitizer would still count it as a fork of a
// threaded process and stop the test at its next new thread.
extern "C" const char* __tsan_default_options() {
    return "die_after_fork=0";
}

namespace {

const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
const QString kManager = QStringLiteral("/org/freedesktop/NetworkManager");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// Files of the machine that nothing here may change.
const char* const kHostSystemBus = "/run/dbus/system_bus_socket";
const char* const kHostResolvConf = "/etc/resolv.conf";
const char* const kHostProfiles = "/etc/NetworkManager/system-connections";

const QStringList kPrograms = {QStringLiteral("NetworkManager"), QStringLiteral("nmcli"),
                               QStringLiteral("dnsmasq"),        QStringLiteral("dbus-daemon"),
                               QStringLiteral("unshare"),        QStringLiteral("nsenter"),
                               QStringLiteral("setpriv"),        QStringLiteral("ip")};

QString FindProgram(const QString& name) {
    const QString found = QStandardPaths::findExecutable(name);
    return !found.isEmpty()
               ? found
               : QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

QByteArray Describe(const char* path) {
    struct stat status {};
    if (::lstat(path, &status) != 0) {
        return QByteArray(path) + " absent\n";
    }
    return QByteArray(path) + ' ' + QByteArray::number(quint64(status.st_ino)) + ' ' +
           QByteArray::number(qint64(status.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qint64(status.st_mtim.tv_nsec)) + '\n';
}

QString Keyword(bool value, const char* yes, const char* no) {
    return QString::fromLatin1(value ? yes : no);
}

}  // namespace

QString RealNetworkManager::SkipReason() {
    if (::geteuid() != 0) {
        return QStringLiteral(
            "the real NetworkManager runs in a network and mount namespace of the test's own, "
            "which needs root here");
    }
    for (const QString& program : kPrograms) {
        if (FindProgram(program).isEmpty()) {
            return program + QStringLiteral(
                                 " is not installed (scripts/deps installs network-manager and "
                                 "dnsmasq-base)");
        }
    }
    QProcess probe;
    probe.start(FindProgram(QStringLiteral("unshare")),
                {QStringLiteral("--mount"), QStringLiteral("--net"), QStringLiteral("true")});
    if (!probe.waitForFinished(10000) || probe.exitStatus() != QProcess::NormalExit ||
        probe.exitCode() != 0) {
        return QStringLiteral("no network and mount namespace can be made here (") +
               QString::fromLocal8Bit(probe.readAllStandardError()).trimmed() + QLatin1Char(')');
    }
    return {};
}

RealNetworkManager::RealNetworkManager() : hostStateBefore_(HostState()) {
    qDBusRegisterMetaType<ConnectionSettings>();
    QDir(directory_.path()).mkpath(QStringLiteral("profiles"));
    QDir(directory_.path()).mkpath(QStringLiteral("memory"));
}

RealNetworkManager::~RealNetworkManager() {
    if (!connectionName_.isEmpty()) {
        QDBusConnection::disconnectFromBus(connectionName_);
    }
    if (namespace_.state() != QProcess::NotRunning) {
        // unshare takes its child with it, and every helper dies with that.
        namespace_.kill();
        namespace_.waitForFinished(5000);
    }
    const QDeadlineTimer gone(5000);
    while (daemonPid_ > 0 && ::kill(daemonPid_, 0) == 0 && !gone.hasExpired()) {
        QThread::msleep(20);
    }
    EXPECT_FALSE(daemonPid_ > 0 && ::kill(daemonPid_, 0) == 0)
        << "the test's NetworkManager outlived its test";
    EXPECT_EQ(HostState().toStdString(), hostStateBefore_.toStdString())
        << "the machine's own bus, resolv.conf or connection profiles changed";
}

QByteArray RealNetworkManager::HostState() const {
    QByteArray state = Describe(kHostSystemBus) + Describe(kHostResolvConf);
    QFile resolv(QString::fromLatin1(kHostResolvConf));
    if (resolv.open(QIODevice::ReadOnly)) {
        state += resolv.readAll();
    }
    const QDir profiles(QString::fromLatin1(kHostProfiles));
    for (const QFileInfo& file : profiles.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        state += Describe(file.absoluteFilePath().toLocal8Bit().constData());
    }
    return state;
}

void RealNetworkManager::AddProfile(const QString& id, const QString& keyfile, bool inMemory) {
    QFile file(
        directory_.filePath(QStringLiteral("%1/%2.nmconnection")
                                .arg(inMemory ? QStringLiteral("memory") : QStringLiteral("profiles"), id)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(keyfile.toUtf8());
}

bool RealNetworkManager::Start(const QList<RealAdapter>& adapters, const QString& authPolkit) {
    QFile list(directory_.filePath(QStringLiteral("adapters")));
    QFile auth(directory_.filePath(QStringLiteral("auth-polkit")));
    if (!list.open(QIODevice::WriteOnly) || !auth.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "the namespace's inputs could not be written";
        return false;
    }
    for (const RealAdapter& adapter : adapters) {
        list.write(QStringLiteral("%1 %1p %2 %3 %4\n")
                       .arg(adapter.name, adapter.farAddress, Keyword(adapter.dhcpServer, "dhcp", "none"),
                            Keyword(adapter.startsConnected, "connected", "disconnected"))
                       .toUtf8());
    }
    list.close();
    auth.write(authPolkit.toUtf8());
    auth.close();

    namespace_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    namespace_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    namespace_.start(FindProgram(QStringLiteral("unshare")),
                     {QStringLiteral("--mount"), QStringLiteral("--net"), QStringLiteral("--propagation"),
                      QStringLiteral("private"), QStringLiteral("--kill-child"), QStringLiteral("bash"),
                      QStringLiteral(QELVANE_REAL_NETWORK_MANAGER_SCRIPT), directory_.path()});
    QFile pids(directory_.filePath(QStringLiteral("pid")));
    const QDeadlineTimer deadline(30000);
    while (!pids.exists() && namespace_.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        namespace_.waitForFinished(50);
    }
    if (!pids.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "the test's NetworkManager did not come up:\n" << Logs().toStdString();
        return false;
    }
    shellPid_ = pids.readLine().trimmed().toInt();
    daemonPid_ = pids.readLine().trimmed().toInt();
    address_ = QStringLiteral("unix:path=") + directory_.filePath(QStringLiteral("system_bus_socket"));
    connectionName_ = QStringLiteral("real-network-manager-") + QString::number(daemonPid_);
    if (!QDBusConnection::connectToBus(address_, connectionName_).isConnected()) {
        ADD_FAILURE() << "the private bus was not reached";
        return false;
    }
    // Every adapter must be in the state it starts in, or the test means nothing.
    const QString states = Run(QStringLiteral("nmcli -t -f DEVICE,STATE device"));
    for (const RealAdapter& adapter : adapters) {
        const QString expected =
            adapter.name + QLatin1Char(':') + Keyword(adapter.startsConnected, "connected", "disconnected");
        if (!states.split(QLatin1Char('\n')).contains(expected)) {
            ADD_FAILURE() << expected.toStdString() << " expected; the daemon has:\n"
                          << states.toStdString() << Logs().toStdString();
            return false;
        }
    }
    return true;
}

QString RealNetworkManager::NetworkNamespace() const {
    return QStringLiteral("/proc/%1/ns/net").arg(shellPid_);
}

QString RealNetworkManager::Run(const QString& shellCommand) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(FindProgram(QStringLiteral("nsenter")),
                  {QStringLiteral("--target"), QString::number(shellPid_), QStringLiteral("--net"),
                   QStringLiteral("--mount"), QStringLiteral("--"), QStringLiteral("env"),
                   QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS=") + address_, QStringLiteral("bash"),
                   QStringLiteral("-c"), shellCommand});
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QDBusMessage RealNetworkManager::Call(const QString& path, const QString& interface, const QString& method,
                                      const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection(connectionName_).call(message, QDBus::Block, 5000);
}

QString RealNetworkManager::DevicePath(const QString& name) {
    const QDBusMessage reply = Call(kManager, kService, QStringLiteral("GetDeviceByIpIface"), {name});
    return reply.arguments().value(0).value<QDBusObjectPath>().path();
}

QString RealNetworkManager::ActiveConnectionOf(const QString& name) {
    const QDBusMessage reply =
        Call(DevicePath(name), kProperties, QStringLiteral("Get"),
             {QStringLiteral("org.freedesktop.NetworkManager.Device"), QStringLiteral("ActiveConnection")});
    return qdbus_cast<QDBusObjectPath>(reply.arguments().value(0).value<QDBusVariant>().variant()).path();
}

QString RealNetworkManager::ProfilePath(const QString& id) {
    for (const QString& line :
         Run(QStringLiteral("nmcli -t -f NAME,DBUS-PATH connection show")).split(u'\n')) {
        if (line.startsWith(id + QLatin1Char(':'))) {
            return line.mid(id.size() + 1);
        }
    }
    return {};
}

ConnectionSettings RealNetworkManager::ProfileSettings(const QString& id) {
    const QDBusMessage reply =
        Call(ProfilePath(id), QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection"),
             QStringLiteral("GetSettings"));
    return qdbus_cast<ConnectionSettings>(reply.arguments().value(0));
}

QVariantMap RealNetworkManager::ProfileProperties(const QString& id) {
    const QDBusMessage reply = Call(ProfilePath(id), kProperties, QStringLiteral("GetAll"),
                                    {QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection")});
    return qdbus_cast<QVariantMap>(reply.arguments().value(0));
}

QStringList RealNetworkManager::Ipv4Addresses(const QString& name) {
    QStringList addresses;
    const QString output = Run(QStringLiteral("ip -o -4 addr show dev ") + name);
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList words = line.simplified().split(QLatin1Char(' '));
        const qsizetype inet = words.indexOf(QStringLiteral("inet"));
        if (inet >= 0 && inet + 1 < words.size()) {
            addresses << words[inet + 1];
        }
    }
    return addresses;
}

QString RealNetworkManager::Logs() const {
    QString logs;
    for (const QFileInfo& file :
         QDir(directory_.path()).entryInfoList({QStringLiteral("*.log")}, QDir::Files)) {
        QFile log(file.absoluteFilePath());
        if (log.open(QIODevice::ReadOnly)) {
            logs += QStringLiteral("--- ") + file.fileName() + QLatin1Char('\n') +
                    QString::fromLocal8Bit(log.readAll());
        }
    }
    return logs;
}
