#include "private_system_bus.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <QUuid>

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <csignal>

// The bus and the mock are started with QProcess, which replaces the child by
// the program at once; ThreadSanitizer still counts the start as a fork of a
// threaded process and would stop the test at its next new thread (the
// router, the set-up worker). Only for the programs that use this fixture.
extern "C" const char* __tsan_default_options() {
    return "die_after_fork=0";
}

namespace {

const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
const QString kManager = QStringLiteral("/org/freedesktop/NetworkManager");
const QString kMockInterface = QStringLiteral("org.freedesktop.DBus.Mock");

// Everyone may talk to everyone: the bus exists for one test only.
constexpr char kBusConfig[] =
    R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_type="method_call"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
)";

// The bus and the mock die with the test program, even one that crashed or
// was stopped by a sanitizer before its destructors ran.
void DieWithTheTest(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

void Stop(QProcess& process) {
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
}

}  // namespace

PrivateSystemBus::PrivateSystemBus() {
    qDBusRegisterMetaType<ConnectionSettings>();
    qDBusRegisterMetaType<QList<QVariantMap>>();
    qDBusRegisterMetaType<QList<uint>>();
    const QString socket = directory_.filePath(QStringLiteral("system_bus_socket"));
    QFile config(directory_.filePath(QStringLiteral("bus.conf")));
    if (!config.open(QIODevice::WriteOnly)) {
        return;
    }
    config.write(QString::fromLatin1(kBusConfig).arg(socket).toUtf8());
    config.close();

    DieWithTheTest(daemon_);
    DieWithTheTest(networkManager_);
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--config-file=") + config.fileName(), QStringLiteral("--nofork"),
                   QStringLiteral("--print-address=1")});
    if (!daemon_.waitForStarted(5000) || !daemon_.waitForReadyRead(10000)) {
        return;
    }
    const QString printed = QString::fromUtf8(daemon_.readLine()).trimmed();
    // Only the socket in our own directory will do: never the machine's bus.
    if (!printed.startsWith(QStringLiteral("unix:path=") + socket)) {
        ADD_FAILURE() << "the private bus printed " << printed.toStdString() << ", not its own socket";
        return;
    }
    address_ = printed;
    connectionName_ = QStringLiteral("private-system-bus-test-driver");
    QDBusConnection::connectToBus(address_, connectionName_);
}

PrivateSystemBus::~PrivateSystemBus() {
    if (!connectionName_.isEmpty()) {
        QDBusConnection::disconnectFromBus(connectionName_);
    }
    Stop(networkManager_);
    Stop(daemon_);
}

bool PrivateSystemBus::StartNetworkManager() {
    if (address_.isEmpty()) {
        return false;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), address_);
    networkManager_.setProcessEnvironment(environment);
    networkManager_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Debian's interpreter: python3-dbusmock is installed for it, whatever
    // python3 comes first on the PATH.
    networkManager_.start(QStringLiteral("/usr/bin/python3"),
                          {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                           QStringLiteral("--template"), QStringLiteral("networkmanager")});
    if (!networkManager_.waitForStarted(5000)) {
        return false;
    }
    QDBusConnection bus(connectionName_);
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (bus.interface()->isServiceRegistered(kService)) {
            return true;
        }
        if (networkManager_.state() == QProcess::NotRunning) {
            return false;
        }
        QThread::msleep(50);
    }
    return false;
}

QDBusMessage PrivateSystemBus::CallMock(const QString& path, const QString& interface, const QString& method,
                                        const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection(connectionName_).call(message, QDBus::Block, 10000);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage)
        << method.toStdString() << ": " << reply.errorMessage().toStdString();
    return reply;
}

QString PrivateSystemBus::AddEthernetDevice(const QString& name) {
    // State 100: activated.
    const QDBusMessage reply = CallMock(kManager, kMockInterface, QStringLiteral("AddEthernetDevice"),
                                        {name + QStringLiteral("Dev"), name, 100});
    return reply.arguments().value(0).toString();
}

QString PrivateSystemBus::AddWifiDevice(const QString& name) {
    const QDBusMessage reply = CallMock(kManager, kMockInterface, QStringLiteral("AddWiFiDevice"),
                                        {name + QStringLiteral("Dev"), name, 100});
    return reply.arguments().value(0).toString();
}

QString PrivateSystemBus::AddProfile(const QString& id, const ConnectionSettings& ipv4AndMore) {
    ConnectionSettings settings = ipv4AndMore;
    settings[QStringLiteral("connection")].insert(QStringLiteral("id"), id);
    settings[QStringLiteral("connection")].insert(QStringLiteral("uuid"),
                                                  QUuid::createUuid().toString(QUuid::WithoutBraces));
    if (!settings[QStringLiteral("connection")].contains(QStringLiteral("type"))) {
        settings[QStringLiteral("connection")].insert(QStringLiteral("type"),
                                                      QStringLiteral("802-3-ethernet"));
    }
    const QDBusMessage reply = CallMock(kManager + QStringLiteral("/Settings"),
                                        QStringLiteral("org.freedesktop.NetworkManager.Settings"),
                                        QStringLiteral("AddConnection"), {QVariant::fromValue(settings)});
    return reply.arguments().value(0).value<QDBusObjectPath>().path();
}

void PrivateSystemBus::Activate(const QString& device, const QString& profile, const QString& name) {
    // State 2: activated.
    CallMock(kManager, kMockInterface, QStringLiteral("AddActiveConnection"),
             {QStringList{device}, profile, QStringLiteral("/"), name, 2u});
}

void PrivateSystemBus::ReplaceMethod(const QString& path, const QString& interface, const QString& method,
                                     const QString& inSignature, const QString& outSignature,
                                     const QString& code) {
    CallMock(path, QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("AddMethod"),
             {interface, method, inSignature, outSignature, code});
}

QStringList PrivateSystemBus::ManagerCalls() {
    const QDBusMessage reply = CallMock(kManager, kMockInterface, QStringLiteral("GetCalls"), {});
    // a(tsav): time, method, arguments.
    const QDBusArgument calls = reply.arguments().value(0).value<QDBusArgument>();
    QStringList names;
    calls.beginArray();
    while (!calls.atEnd()) {
        quint64 time = 0;
        QString method;
        QVariantList arguments;
        calls.beginStructure();
        calls >> time >> method >> arguments;
        calls.endStructure();
        names << method;
    }
    calls.endArray();
    return names;
}

ConnectionSettings PrivateSystemBus::ProfileSettings(const QString& profile) {
    const QDBusMessage reply =
        CallMock(profile, QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection"),
                 QStringLiteral("GetSettings"), {});
    return qdbus_cast<ConnectionSettings>(reply.arguments().value(0));
}

QString PrivateSystemBus::ActiveConnectionOf(const QString& device) {
    const QDBusMessage reply = CallMock(
        device, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
        {QStringLiteral("org.freedesktop.NetworkManager.Device"), QStringLiteral("ActiveConnection")});
    return reply.arguments().value(0).value<QDBusVariant>().variant().value<QDBusObjectPath>().path();
}
